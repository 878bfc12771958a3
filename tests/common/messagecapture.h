#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

// Collects what reaches Qt's message channels while it is alive, so tests can
// check what the logger wrote without any output file.
class MessageCapture {
public:
    using Entry = QPair<QtMsgType, QString>;

    MessageCapture()
    {
        s_entries.clear();
        m_previous = qInstallMessageHandler(&MessageCapture::handler);
    }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }

    QList<Entry> entries() const { return s_entries; }
    void clear() { s_entries.clear(); }

private:
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        s_entries.append(qMakePair(type, message));
    }

    static inline QList<Entry> s_entries;
    QtMessageHandler m_previous = nullptr;
};

#pragma once

#include "core/korvane_core_export.h"
#include "datamodel/configurationswitch.h"

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVector>

namespace korvane::core {

// The last change made to the switch's lines or to one of its channels, in
// words, and the way back to what was there before. The window shows it for a
// while with an Undo button: one wrong tile is a wrong key for someone who
// cannot easily put it right by hand.
//
// Whatever changes in one turn of the event loop is one change: capturing a
// key writes the key, its modifiers, its scan code and the mode at once. The
// document is read without change signals, so what it holds when it is
// given counts as the starting point. Undoing is no change of its own.
class KORVANE_CORE_EXPORT ChangeHistory : public QObject {
    Q_OBJECT
    Q_PROPERTY(korvane::datamodel::ConfigurationSwitch* configuration READ configuration WRITE
            set_configuration NOTIFY configurationChanged)
    // What the last change did ("Left Channel: key Space"); empty when
    // there is nothing to undo.
    Q_PROPERTY(QString text READ text NOTIFY changed)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY changed)
    // The notice is up: from a change until it is undone, dismissed or has
    // been shown for cst_shown_ms.
    Q_PROPERTY(bool shown READ shown NOTIFY shownChanged)

public:
    static constexpr int cst_shown_ms = 10000;

    explicit ChangeHistory(QObject* parent = nullptr);
    ~ChangeHistory() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    datamodel::ConfigurationSwitch* configuration() const { return m_configuration; }
    QString text() const;
    bool canUndo() const { return !m_last.isEmpty(); }
    bool shown() const { return m_shown; }

    // Puts back what the last change replaced; false when there is none.
    Q_INVOKABLE bool undo();
    // Takes the notice down; the change can still be undone.
    Q_INVOKABLE void dismiss();
    // While the user is on the notice (keyboard focus, pointer) it stays up.
    Q_INVOKABLE void setHeld(bool held);

public slots:
    void set_configuration(korvane::datamodel::ConfigurationSwitch* configuration);

signals:
    void configurationChanged(korvane::datamodel::ConfigurationSwitch* configuration);
    void changed();
    void shownChanged(bool shown);
    // A change was made (not an undo); `text` says which.
    void recorded(QString text);

private slots:
    void propertyNotified();

private:
    struct Step {
        QPointer<QObject> object;
        int property = -1;
        QVariant before;
        QVariant after;
    };
    using Key = QPair<const QObject*, int>;

    void watch(QObject* object, const QStringList& names);
    void takeStartingPoint(QObject* object);
    void closeGroup();
    void setShown(bool shown);
    QString describe(const Step& step) const;
    static QString propertyName(const Step& step);
    QString channelName(const QObject* channel) const;

    QPointer<datamodel::ConfigurationSwitch> m_configuration;
    // The watched properties of each object, by their notify signal.
    QHash<QPair<const QObject*, int>, QVector<int>> m_bySignal;
    QHash<Key, QVariant> m_current;
    QVector<Step> m_group;
    bool m_groupOpen = false;
    QVector<Step> m_last;
    bool m_undoing = false;
    bool m_shown = false;
    bool m_held = false;
    QTimer m_timer;
};

} // namespace korvane::core

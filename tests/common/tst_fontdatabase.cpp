#include "common/fontdatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using korvane::common::FontDatabase;

// Application fonts are numbered in registration order, so the id that the
// next registration gets tells how many fonts were registered before it.
static int registeredSoFar(const QString& probe)
{
    const int id = QFontDatabase::addApplicationFont(probe);
    QFontDatabase::removeApplicationFont(id);
    return id;
}

class TestFontDatabase : public QObject {
    Q_OBJECT

private:
    QString m_font;

private slots:
    void initTestCase()
    {
        QDirIterator it("/usr/share/fonts", { "*.ttf" }, QDir::Files, QDirIterator::Subdirectories);
        if (!it.hasNext())
            QSKIP("no TrueType font installed on this machine");
        m_font = it.next();
    }

    void missingFolder()
    {
        QVERIFY(FontDatabase::load("/nonexistent/korvane/fonts"));
        QVERIFY(FontDatabase::load(QString()));
    }

    void loadsTrueTypeOnly()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = dir.path();
        QVERIFY(QDir().mkpath(root + "/sub/deeper"));
        QVERIFY(QFile::copy(m_font, root + "/upper.TTF"));
        QVERIFY(QFile::copy(m_font, root + "/sub/mixed.TtF"));
        QVERIFY(QFile::copy(m_font, root + "/sub/deeper/lower.ttf"));
        QVERIFY(QFile::copy(m_font, root + "/other.otf"));
        QVERIFY(QFile::copy(m_font, root + "/ttf"));
        QVERIFY(QFile::copy(m_font, root + "/sub/font.ttf.bak"));
        QFile broken(root + "/broken.ttf");
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a font") > 0);
        broken.close();
        // A link back up the tree must not make the walk endless.
        QVERIFY(QFile::link(root, root + "/sub/loop"));

        QCOMPARE(registeredSoFar(m_font), 0);
        QVERIFY(FontDatabase::load(root));
        QCOMPARE(registeredSoFar(m_font), 3);
    }
};

QTEST_MAIN(TestFontDatabase)
#include "tst_fontdatabase.moc"

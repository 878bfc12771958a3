#include "common/pathtool.h"
#include "common/privatetempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using korvane::common::PathTool;
using korvane::common::PrivateTempFolder;

namespace {

bool writeFile(const QString& path, const QByteArray& content = "data")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Test-side removal that never follows a planted link.
void removePath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || info.isFile())
        QFile::remove(path);
    else if (info.isDir())
        QDir(path).removeRecursively();
}

int modeOf(const QString& path)
{
    struct stat st { };
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return st.st_mode & 07777;
}

} // namespace

class TestPathTool : public QObject {
    Q_OBJECT

private:
    // Every test works in a temporary folder of its own, even when run by hand
    // outside the sandbox, so planted links never touch the real /tmp/korvane.
    QTemporaryDir m_base;
    QString m_shared; // <temp>/korvane
    QString m_outside; // files that belong to "someone else"

private slots:
    void initTestCase()
    {
        QVERIFY(m_base.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_base.path() + "/tmp"));
        QVERIFY(QDir().mkpath(m_base.path() + "/tmp"));
        QCOMPARE(QDir::tempPath(), m_base.path() + "/tmp");
        m_shared = QDir::tempPath() + "/korvane";
        m_outside = m_base.path() + "/outside";
        QCoreApplication::setOrganizationName("korvane-tests");
        QCoreApplication::setApplicationName("tst_pathtool");
    }

    void init()
    {
        removePath(m_shared);
        removePath(m_outside);
        QVERIFY(QDir().mkpath(m_outside));
        QVERIFY(writeFile(m_outside + "/precious.txt"));
        QSettings().clear();
    }

    void removeAccents_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name") << QString::fromUtf8("Éléonore Ærø") << "Eleonore AEro";
        QTest::newRow("outside the table")
            << QString::fromUtf8("ął×÷") << QString::fromUtf8("ął×÷");
        QTest::newRow("ligatures") << QString::fromUtf8("Œuvre cœur") << "OEuvre coeur";
        QTest::newRow("sharp s is one s") << QString::fromUtf8("Straße") << "Strase";
        QTest::newRow("plain") << "plain ASCII 123"
                               << "plain ASCII 123";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("whole table")
            << QString::fromUtf8(
                   "ŠŒŽšœžŸ¥µÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝßàáâãäåæçèéêëìíîïðñòóôõöøùúûüýÿ")
            << "SOEZsoezYYuAAAAAAAECEEEEIIIIDNOOOOOOUUUUYsaaaaaaaeceeeeiiiionoooooouuuuyy";
    }
    void removeAccents()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        PathTool tool;
        QCOMPARE(tool.removeAccents(text), expected);
        QCOMPARE(tool.removeAccents(text), expected); // table built once, reused
    }

    void absolutePath_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("file url") << "file:///srv/data/a.txt"
                                  << "/srv/data/a.txt";
        QTest::newRow("encoded url") << "file:///srv/a%20b.txt"
                                     << "/srv/a b.txt";
        QTest::newRow("plain absolute") << "/srv/x.png"
                                        << "/srv/x.png";
        QTest::newRow("relative") << "x.png" << QDir::current().absoluteFilePath("x.png");
        QTest::newRow("upper-case scheme is a path")
            << "FILE:x" << QDir::current().absoluteFilePath("FILE:x");
    }
    void absolutePath()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        PathTool tool;
        QCOMPARE(tool.getAbsolutePath(input), expected);
    }

    void conversions()
    {
        PathTool tool;
        QCOMPARE(tool.getFileName(QUrl("file:///srv/a%20b.png")), QStringLiteral("a b.png"));
        QCOMPARE(tool.getFileName(QStringLiteral("/srv/dir/f.txt")), QStringLiteral("f.txt"));
        QCOMPARE(tool.getAbsolutePath(QUrl("file:///srv/f.txt")), QStringLiteral("/srv/f.txt"));
        QCOMPARE(tool.getLocalFile(QUrl::fromLocalFile("/srv/x y")), QStringLiteral("/srv/x y"));
        QCOMPARE(tool.getLocalFile(QUrl("https://example.org/a")),
            QStringLiteral("https://example.org/a"));
        QCOMPARE(tool.getURL("/srv/x y"), QUrl("file:///srv/x y"));
    }

    void existence()
    {
        PathTool tool;
        QVERIFY(tool.pathExists(m_outside));
        QVERIFY(!tool.pathExists(m_outside + "/precious.txt"));
        QVERIFY(!tool.pathExists(m_outside + "/missing"));
        QVERIFY(!tool.pathExists(QString()));
        QVERIFY(tool.fileExists(m_outside + "/precious.txt"));
        QVERIFY(!tool.fileExists(m_outside + "/missing"));
    }

    void currentPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stored");
        QTest::newRow("file") << "/home/u/docs/file.png"
                              << "/home/u/docs/";
        QTest::newRow("name repeated higher up") << "/home/ann/ann"
                                                 << "/home/ann/";
        QTest::newRow("short name inside others") << "/data/a/banana/a"
                                                  << "/data/a/banana/";
        QTest::newRow("trailing separator") << "/home/u/"
                                            << "/home/u/";
    }
    void currentPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, stored);
        PathTool tool;
        QCOMPARE(tool.getCurrentPath(), QString());
        tool.setCurrentPath(path);
        QCOMPARE(tool.getCurrentPath(), stored);
        QCOMPARE(QSettings().value("path").toString(), stored);
        tool.setCurrentPath(path, "other");
        QCOMPARE(tool.getCurrentPath("other"), stored);
        QCOMPARE(tool.getCurrentPath("never stored"), QString());
    }

    void tempImagePath()
    {
        PathTool tool;
        const QString first = tool.getTempImagePath();
        const QRegularExpression pattern(
            "^" + QRegularExpression::escape(tool.getTempPath()) + "/\\d{13}\\.png$");
        QVERIFY2(pattern.match(first).hasMatch(), qPrintable(first));
        QTRY_VERIFY(tool.getTempImagePath() != first);
        QCOMPARE(QFileInfo(tool.getTempImagePath()).absolutePath(), tool.getTempPath());
    }

    void tempFolderLifetime()
    {
        QString path;
        {
            PathTool tool;
            path = tool.getTempPath();
            QCOMPARE(path, m_shared);
            QVERIFY(QFileInfo(path).isDir());
            QCOMPARE(modeOf(path), 0700);
            QVERIFY(QDir().mkpath(path + "/sub/deeper"));
            QVERIFY(writeFile(path + "/sub/deeper/image.png"));
            QVERIFY(writeFile(path + "/top.png"));
            // A link inside pointing elsewhere is removed, not followed.
            QVERIFY(QFile::link(m_outside, path + "/sub/link"));
        }
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(QFileInfo::exists(m_outside + "/precious.txt"));
    }

    void existingPrivateFolderReused()
    {
        QVERIFY(QDir().mkpath(m_shared));
        QVERIFY(QFile::setPermissions(
            m_shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        {
            PathTool tool;
            QCOMPARE(tool.getTempPath(), m_shared);
        }
        QVERIFY(!QFileInfo::exists(m_shared));
    }

    // Someone else has made the shared name before us: we must neither use
    // it nor delete anything through it.
    void plantedFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a folder") << "link";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("open mode") << "mode";
        QTest::newRow("group readable") << "group";
        QTest::newRow("plain file") << "file";
        QTest::newRow("owned by someone else") << "owner";
    }
    void plantedFolder()
    {
        QFETCH(QString, kind);
        if (kind == "link") {
            QVERIFY(QFile::link(m_outside, m_shared));
        } else if (kind == "dangling") {
            QVERIFY(QFile::link(m_base.path() + "/nowhere", m_shared));
        } else if (kind == "mode" || kind == "group") {
            QVERIFY(QDir().mkpath(m_shared));
            QVERIFY(
                chmod(QFile::encodeName(m_shared).constData(), kind == "mode" ? 0777 : 0750) == 0);
            QVERIFY(writeFile(m_shared + "/planted.txt"));
        } else if (kind == "file") {
            QVERIFY(writeFile(m_shared));
        } else if (kind == "owner") {
            if (geteuid() != 0)
                QSKIP("giving a folder to another user needs root");
            QVERIFY(QDir().mkpath(m_shared));
            QVERIFY(writeFile(m_shared + "/planted.txt"));
            QVERIFY(chmod(QFile::encodeName(m_shared).constData(), 0700) == 0);
            QVERIFY(chown(QFile::encodeName(m_shared).constData(), 65534, 65534) == 0);
        }
        const QFileInfo before(m_shared);

        QString used;
        {
            PathTool tool;
            used = tool.getTempPath();
            QVERIFY(used != m_shared);
            QVERIFY2(used.startsWith(m_shared + "-"), qPrintable(used));
            QVERIFY(PrivateTempFolder::isPrivate(used));
            QVERIFY(QFileInfo(tool.getTempImagePath()).absolutePath() == used);
            QVERIFY(writeFile(used + "/mine.png"));
        }
        QVERIFY(!QFileInfo::exists(used));
        QVERIFY(QFileInfo::exists(m_outside + "/precious.txt"));
        const QFileInfo after(m_shared);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isDir(), before.isDir());
        if (kind == "mode" || kind == "group" || kind == "owner")
            QVERIFY(QFileInfo::exists(m_shared + "/planted.txt"));
    }

    void removeRefuses_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("result");
        QTest::newRow("link to a folder") << "link" << false;
        QTest::newRow("plain file") << "file" << false;
        QTest::newRow("missing") << "missing" << true;
        QTest::newRow("owned by someone else") << "owner" << false;
    }
    void removeRefuses()
    {
        QFETCH(QString, kind);
        QFETCH(bool, result);
        const QString target = m_base.path() + "/target";
        removePath(target);
        if (kind == "link") {
            QVERIFY(QFile::link(m_outside, target));
        } else if (kind == "file") {
            QVERIFY(writeFile(target));
        } else if (kind == "owner") {
            if (geteuid() != 0)
                QSKIP("giving a folder to another user needs root");
            QVERIFY(QDir().mkpath(target));
            QVERIFY(writeFile(target + "/theirs.txt"));
            QVERIFY(chown(QFile::encodeName(target).constData(), 65534, 65534) == 0);
        }
        QCOMPARE(PrivateTempFolder::remove(target), result);
        QVERIFY(QFileInfo::exists(m_outside + "/precious.txt"));
        if (kind == "owner")
            QVERIFY(QFileInfo::exists(target + "/theirs.txt"));
        removePath(target);
    }

    void qmlSingleton()
    {
        QObject* first = PathTool::qmlInstance(nullptr, nullptr);
        QCOMPARE(PathTool::qmlInstance(nullptr, nullptr), first);
        delete first;

        qmlRegisterSingletonType<PathTool>(
            "com.korvane.test", 1, 0, "PathTool", &PathTool::qmlInstance);
        QPointer<QObject> instance;
        {
            QQmlEngine engine;
            QQmlComponent component(&engine);
            component.setData("import QtQml 2.0\nimport com.korvane.test 1.0\n"
                              "QtObject { property string text: "
                              "PathTool.removeAccents('\\u00e9t\\u00e9') }",
                QUrl());
            std::unique_ptr<QObject> object(component.create());
            QVERIFY2(object, qPrintable(component.errorString()));
            QCOMPARE(object->property("text").toString(), QStringLiteral("ete"));
            instance = engine.singletonInstance<PathTool*>(
                qmlTypeId("com.korvane.test", 1, 0, "PathTool"));
            QVERIFY(instance);
            QVERIFY(QFileInfo(m_shared).isDir());
        }
        // The engine owned it; a new scene gets a fresh instance.
        QVERIFY(instance.isNull());
        QVERIFY(!QFileInfo::exists(m_shared));
        QObject* next = PathTool::qmlInstance(nullptr, nullptr);
        QVERIFY(next);
        QVERIFY(QFileInfo(m_shared).isDir());
        delete next;
    }
};

QTEST_GUILESS_MAIN(TestPathTool)
#include "tst_pathtool.moc"

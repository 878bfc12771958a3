// The program's folders, created inside the test sandbox's private home and
// temporary folder.
#include "datamodel/korvanepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace korvane::datamodel;

class TestKorvanePath : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Never create folders in a real home: the sandbox sets this variable.
        QVERIFY2(qEnvironmentVariableIsSet("KORVANE_TEST_ROOT"), "run through ctest (sandbox)");
        QVERIFY(QDir::homePath().startsWith(qEnvironmentVariable("KORVANE_TEST_ROOT")));
    }

    void paths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        const QString sep = QDir::separator();
        QTest::newRow("home") << KorvanePath::getHomePath() << QDir::homePath() + sep + ".korvane";
        QTest::newRow("data") << KorvanePath::getDataPath()
                              << QCoreApplication::applicationDirPath() + "/../data";
        QTest::newRow("translations")
            << KorvanePath::getTranslationPath()
            << QCoreApplication::applicationDirPath() + "/../resources/translations";
        QTest::newRow("pictures") << KorvanePath::getPicturePath()
                                  << QStandardPaths::writableLocation(
                                         QStandardPaths::PicturesLocation)
                + sep + "korvane";
        QTest::newRow("temporary")
            << KorvanePath::getTempPath() << QDir::tempPath() + sep + "korvane_tmp";
    }

    void paths()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(path, expected);
    }

    // Which shipped files the program reads depends on the folders found
    // beside its own; each entry ending in '/' is a folder, others are files.
    void installRoot_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("expected");
        const QString beside = QStringLiteral("bin/..");
        const QString shared = QStringLiteral("bin/../share/korvane");
        QTest::newRow("build tree") << QStringList { "conf/", "resources/" } << beside;
        QTest::newRow("only conf") << QStringList { "conf/" } << beside;
        QTest::newRow("only resources") << QStringList { "resources/" } << beside;
        QTest::newRow("system install")
            << QStringList { "share/korvane/conf/", "share/korvane/resources/" } << shared;
        QTest::newRow("build tree wins over share")
            << QStringList { "conf/", "share/korvane/conf/" } << beside;
        QTest::newRow("files named like the folders")
            << QStringList { "conf", "resources" } << shared;
        QTest::newRow("nothing shipped") << QStringList {} << shared;
    }

    void installRoot()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, expected);
        QTemporaryDir tree;
        QVERIFY(tree.isValid());
        QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("bin")));
        for (const QString& entry : entries) {
            if (entry.endsWith('/')) {
                QVERIFY(QDir(tree.path()).mkpath(entry));
            } else {
                QFile file(tree.filePath(entry));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        QCOMPARE(KorvanePath::installRootFor(tree.filePath(QStringLiteral("bin"))),
            tree.filePath(expected));
    }

    void tempPathEnding()
    {
        QVERIFY(
            KorvanePath::getTempPath().endsWith(QDir::separator() + QStringLiteral("korvane_tmp")));
    }

    void makePathCreatesFolders()
    {
        QVERIFY(!QDir(KorvanePath::getHomePath()).exists());
        QVERIFY(!QDir(KorvanePath::getPicturePath()).exists());
        KorvanePath::makePath();
        QVERIFY(QDir(KorvanePath::getHomePath()).exists());
        QVERIFY(QDir(KorvanePath::getPicturePath()).exists());
        QVERIFY(QDir(KorvanePath::getTempPath()).exists());

        // A second run finds everything in place and changes nothing.
        QFile marker(QDir(KorvanePath::getHomePath()).filePath(QStringLiteral("keep")));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        KorvanePath::makePath();
        QVERIFY(marker.exists());
    }
};

QTEST_GUILESS_MAIN(TestKorvanePath)
#include "tst_korvanepath.moc"

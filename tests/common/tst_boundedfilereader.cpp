// Reading a small file whose name may lead anywhere: a FIFO, a device, a
// folder or a huge file in its place is refused at once, never waited on.
#include "common/boundedfilereader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using korvane::common::BoundedFileReader;
using Status = BoundedFileReader::Status;

Q_DECLARE_METATYPE(BoundedFileReader::Status)

class TestBoundedFileReader : public QObject {
    Q_OBJECT

private:
    static constexpr qint64 cst_max = 1024;
    QScopedPointer<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void read_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("regular file") << "file" << Status::Read << QByteArray("{}\n");
        QTest::newRow("empty file") << "empty" << Status::Read << QByteArray();
        QTest::newRow("exactly the limit") << "limit" << Status::Read << QByteArray(cst_max, 'x');
        QTest::newRow("link to a regular file") << "link" << Status::Read << QByteArray("{}\n");
        QTest::newRow("one byte too many") << "over" << Status::TooLarge << QByteArray();
        QTest::newRow("missing") << "missing" << Status::Missing << QByteArray();
        QTest::newRow("dangling link") << "dangling" << Status::Missing << QByteArray();
        QTest::newRow("folder") << "folder" << Status::NotRegular << QByteArray();
        QTest::newRow("FIFO without a writer") << "fifo" << Status::NotRegular << QByteArray();
        QTest::newRow("link to /dev/zero") << "zero" << Status::NotRegular << QByteArray();
    }

    void read()
    {
        QFETCH(QString, setup);
        QFETCH(Status, status);
        QFETCH(QByteArray, bytes);

        const QString name = path(QStringLiteral("korvane.json"));
        if (setup == QLatin1String("file") || setup == QLatin1String("link"))
            writeFile(QStringLiteral("target"), "{}\n");
        if (setup == QLatin1String("file"))
            QVERIFY(QFile::rename(path(QStringLiteral("target")), name));
        else if (setup == QLatin1String("link"))
            QVERIFY(QFile::link(path(QStringLiteral("target")), name));
        else if (setup == QLatin1String("empty"))
            writeFile(QStringLiteral("korvane.json"), QByteArray());
        else if (setup == QLatin1String("limit"))
            writeFile(QStringLiteral("korvane.json"), QByteArray(cst_max, 'x'));
        else if (setup == QLatin1String("over"))
            writeFile(QStringLiteral("korvane.json"), QByteArray(cst_max + 1, 'x'));
        else if (setup == QLatin1String("dangling"))
            QVERIFY(QFile::link(path(QStringLiteral("gone")), name));
        else if (setup == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(name));
#ifdef Q_OS_UNIX
        else if (setup == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        else if (setup == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), name));
#else
        else if (setup == QLatin1String("fifo") || setup == QLatin1String("zero"))
            QSKIP("no FIFO or /dev/zero here");
#endif

        QByteArray read("untouched");
        QString reason;
        QCOMPARE(BoundedFileReader::read(name, cst_max, &read, &reason), status);
        QCOMPARE(read, status == Status::Read ? bytes : QByteArray("untouched"));
    }
};

QTEST_GUILESS_MAIN(TestBoundedFileReader)

#include "tst_boundedfilereader.moc"

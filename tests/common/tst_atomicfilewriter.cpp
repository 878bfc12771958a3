// Replacing a file all or nothing, down to a full disk: a small tmpfs (mounted
// when the test runs as root) stands for the user's full home folder.
#include "common/atomicfilewriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

using korvane::common::AtomicFileWriter;

class TestAtomicFileWriter : public QObject {
    Q_OBJECT

public:
    ~TestAtomicFileWriter() override { unmount(); }

private:
    // Leaves `free` bytes free on the small filesystem (roughly: it counts in pages).
    void fill(qint64 free)
    {
        QFile filler(m_small + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray page(4096, 'x');
        qint64 written = 0;
        while (written + page.size() <= cst_small_size - m_oldContent.size() - free
            && filler.write(page) == page.size() && filler.flush())
            written += page.size();
    }

    void unmount()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_small).constData(), MNT_DETACH);
        m_mounted = false;
#endif
    }

    static constexpr qint64 cst_small_size = 64 * 1024;
    QTemporaryDir m_dir;
    QString m_small;
    bool m_mounted = false;
    const QByteArray m_oldContent
        = "{\"configuration\":{\"switch\":{\"serial_name\":\"/dev/ttyUSB0\"}}}\n";

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_small = m_dir.filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(m_small));
#ifdef Q_OS_LINUX
        if (::geteuid() == 0)
            m_mounted = ::mount("tmpfs", QFile::encodeName(m_small).constData(), "tmpfs", 0,
                            QByteArray("size=" + QByteArray::number(cst_small_size)).constData())
                == 0;
#endif
    }

    void cleanupTestCase()
    {
        unmount();
    }

    void init()
    {
        for (const QString& name : QDir(m_small).entryList(QDir::Files))
            QFile::remove(m_small + QLatin1Char('/') + name);
        QFile old(m_small + QStringLiteral("/korvane.json"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        QCOMPARE(old.write(m_oldContent), m_oldContent.size());
    }

    void write_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("free");
        QTest::addColumn<QString>("reason");

        QTest::newRow("fits") << "korvane.json" << qint64(1000) << qint64(-1) << "";
        QTest::newRow("empty content") << "korvane.json" << qint64(0) << qint64(-1) << "";
        QTest::newRow("new file") << "screen.ini" << qint64(100) << qint64(-1) << "";
        QTest::newRow("missing folder")
            << "no-such-folder/korvane.json" << qint64(100) << qint64(-1) << "No such file";
        // Needs the small filesystem: the disk fills during the write.
        QTest::newRow("disk full mid-write")
            << "korvane.json" << qint64(40000) << qint64(8192) << "No space left on device";
        QTest::newRow("disk full before the first byte")
            << "korvane.json" << qint64(100) << qint64(0) << "No space left on device";
    }

    void write()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(qint64, free);
        QFETCH(QString, reason);
        if (free >= 0 && !m_mounted)
            QSKIP("a small filesystem needs root to mount it");
        if (free >= 0)
            fill(free);

        const QString path = m_small + QLatin1Char('/') + name;
        const QByteArray before = QFile::exists(path) ? m_oldContent : QByteArray();
        const QByteArray bytes(int(size), 'n');
        QString why;
        const bool ok = AtomicFileWriter::write(path, bytes, &why);
        QCOMPARE(ok, reason.isEmpty());
        QFile file(path);
        if (ok) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), bytes);
        } else {
            QVERIFY2(why.contains(reason), qPrintable(why));
            if (!before.isEmpty()) {
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), before);
            }
            // No temporary file left behind either.
            QCOMPARE(QDir(m_small).entryList({ QStringLiteral("*.json*") }, QDir::Files),
                QStringList { QStringLiteral("korvane.json") });
        }
    }
};

QTEST_GUILESS_MAIN(TestAtomicFileWriter)

#include "tst_atomicfilewriter.moc"

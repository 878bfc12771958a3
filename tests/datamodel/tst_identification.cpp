// Unique numbers and references, and the version constants.
#include "datamodel/identification.h"
#include "datamodel/version.h"

#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QUuid>
#include <QtTest>

using namespace korvane::datamodel;

class TestIdentification : public QObject {
    Q_OBJECT

private slots:
    void sequenceStartsAtOne()
    {
        // Must run first: the counter is process-wide.
        QCOMPARE(Identification::makeUniqueId(), qint64(1));
        QCOMPARE(Identification::makeUniqueId(), qint64(2));
    }

    void uniqueAcrossThreads()
    {
        const int perThread = 1000;
        QVector<qint64> first;
        QVector<qint64> second;
        auto fill = [perThread](QVector<qint64>* ids) {
            for (int i = 0; i < perThread; ++i)
                ids->append(Identification::makeUniqueId());
        };
        QScopedPointer<QThread> a(QThread::create(fill, &first));
        QScopedPointer<QThread> b(QThread::create(fill, &second));
        a->start();
        b->start();
        QVERIFY(a->wait(30000));
        QVERIFY(b->wait(30000));

        QSet<qint64> all;
        for (qint64 id : qAsConst(first))
            all.insert(id);
        for (qint64 id : qAsConst(second))
            all.insert(id);
        QCOMPARE(all.size(), 2 * perThread);
        // Each thread sees its own numbers rising.
        QVERIFY(std::is_sorted(first.begin(), first.end()));
        QVERIFY(std::is_sorted(second.begin(), second.end()));
        // No number was skipped either.
        const qint64 next = Identification::makeUniqueId();
        QCOMPARE(next, qint64(2 * perThread + 3));
    }

    void uniqueRefFormat_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("plain") << "user"
                               << "device";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("accented") << QString::fromUtf8("\xC3\xA9l\xC3\xA8ve") << "x";
    }

    void uniqueRefFormat()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QString ref = Identification::makeUniqueRef(first, second);
        QCOMPARE(ref.size(), 38);
        QVERIFY(QRegularExpression(
            QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-3[0-9a-f]{3}-[89ab][0-9a-f]{3}-"
                           "[0-9a-f]{12}\\}$"))
                    .match(ref)
                    .hasMatch());
        QCOMPARE(QUuid(ref).version(), QUuid::Md5);
    }

    void uniqueRefIsNameBased()
    {
        // Recompute the reference for the millisecond the call happened in:
        // one of the bracketing times must give exactly the same text.
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const QString ref = Identification::makeUniqueRef(QStringLiteral("a"), QStringLiteral("b"));
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        bool found = false;
        for (qint64 ms = before; ms <= after && !found; ++ms) {
            const QString text = QStringLiteral("a_%1_b").arg(ms);
            found = QUuid::createUuidV3(QUuid(), text.toUtf8()).toString() == ref;
        }
        QVERIFY(found);
    }

    void uniqueRefsDifferWithArguments()
    {
        QVERIFY(Identification::makeUniqueRef(QStringLiteral("a"), QStringLiteral("b"))
            != Identification::makeUniqueRef(QStringLiteral("a"), QStringLiteral("c")));
    }

    void version()
    {
        QCOMPARE(Version::cst_version, QStringLiteral("1.0.0"));
        QCOMPARE(Version::cst_datamodel_version, 1);
    }
};

QTEST_GUILESS_MAIN(TestIdentification)
#include "tst_identification.moc"

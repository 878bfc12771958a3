#include "core/switch/comparedline.h"
#include "core/switch/lineassembler.h"

#include <QRandomGenerator>
#include <QtTest>

using korvane::core::LineAssembler;

using Chunks = QList<QByteArray>;
using Lines = QList<QByteArray>;

class TestLineAssembler : public QObject {
    Q_OBJECT

private slots:
    void feed_data();
    void feed();
    void byteByByteEqualsWhole_data() { feed_data(); }
    void byteByByteEqualsWhole();
    void flushTakesPartialLine();
    void flushAfterOverlongLineGivesNothing();
    void overlongLine_data();
    void overlongLine();
    void randomBytesStayBounded();
    void clearForgetsPartialLine();
    void comparedLine_data();
    void comparedLine();
};

void TestLineAssembler::feed_data()
{
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QByteArray>("pending");

    QTest::newRow("LF") << Chunks { "L\n" } << Lines { "L" } << QByteArray();
    QTest::newRow("CR") << Chunks { "L\r" } << Lines { "L" } << QByteArray();
    QTest::newRow("CR LF") << Chunks { "L\r\n" } << Lines { "L" } << QByteArray();
    QTest::newRow("LF CR") << Chunks { "L\n\rR\n" } << Lines { "L", "R" } << QByteArray();
    QTest::newRow("two lines one read")
        << Chunks { "a\nb\n" } << Lines { "a", "b" } << QByteArray();
    QTest::newRow("split across reads")
        << Chunks { "LE", "FT", "\n" } << Lines { "LEFT" } << QByteArray();
    QTest::newRow("CR and LF in separate reads")
        << Chunks { "L\r", "\n", "R\r", "\n" } << Lines { "L", "R" } << QByteArray();
    QTest::newRow("empty lines skipped") << Chunks { "\n\n\r\n\r\r" } << Lines {} << QByteArray();
    QTest::newRow("no bytes") << Chunks { "" } << Lines {} << QByteArray();
    QTest::newRow("no line end stays pending") << Chunks { "L" } << Lines {} << QByteArray("L");
    QTest::newRow("tail stays pending") << Chunks { "L\nRI" } << Lines { "L" } << QByteArray("RI");
    QTest::newRow("blanks kept") << Chunks { " L \n" } << Lines { " L " } << QByteArray();
    QTest::newRow("NUL kept") << Chunks { QByteArray("L\0R\n", 4) }
                              << Lines { QByteArray("L\0R", 3) } << QByteArray();
    QTest::newRow("invalid UTF-8 passed through")
        << Chunks { "\xff\xfe\n" } << Lines { "\xff\xfe" } << QByteArray();
}

void TestLineAssembler::feed()
{
    QFETCH(Chunks, chunks);
    QFETCH(Lines, lines);
    QFETCH(QByteArray, pending);

    LineAssembler assembler;
    Lines got;
    for (const QByteArray& chunk : chunks)
        got += assembler.feed(chunk);
    QCOMPARE(got, lines);
    QCOMPARE(assembler.hasPending(), !pending.isEmpty());
    QCOMPARE(assembler.flush(), pending);
    QVERIFY(!assembler.hasPending());
}

void TestLineAssembler::byteByByteEqualsWhole()
{
    // At 9600 baud every byte is its own read: the result must not depend on chunking.
    QFETCH(Chunks, chunks);
    QFETCH(Lines, lines);
    LineAssembler assembler;
    Lines got;
    for (const QByteArray& chunk : chunks)
        for (char c : chunk)
            got += assembler.feed(QByteArray(1, c));
    QCOMPARE(got, lines);
}

void TestLineAssembler::flushTakesPartialLine()
{
    LineAssembler assembler;
    QVERIFY(assembler.feed("R").isEmpty());
    QVERIFY(assembler.hasPending());
    QCOMPARE(assembler.flush(), QByteArray("R"));
    QCOMPARE(assembler.flush(), QByteArray());
    // A line end arriving after the flush must not produce a second line.
    QVERIFY(assembler.feed("\n").isEmpty());
}

void TestLineAssembler::flushAfterOverlongLineGivesNothing()
{
    LineAssembler assembler;
    assembler.feed(QByteArray(LineAssembler::cst_max_line_length + 10, 'x'));
    QVERIFY(assembler.hasPending());
    QCOMPARE(assembler.flush(), QByteArray());
    QVERIFY(!assembler.hasPending());
    // The silence ended the over-long line: the next line counts again.
    QCOMPARE(assembler.feed("L\n"), Lines { "L" });
}

void TestLineAssembler::overlongLine_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<bool>("kept");

    const int max = LineAssembler::cst_max_line_length;
    QTest::newRow("at limit") << max << max << true;
    QTest::newRow("at limit, byte by byte") << max << 1 << true;
    QTest::newRow("one over") << max + 1 << max + 1 << false;
    QTest::newRow("one over, byte by byte") << max + 1 << 1 << false;
    QTest::newRow("far over, odd chunks") << 100000 << 777 << false;
}

void TestLineAssembler::overlongLine()
{
    QFETCH(int, length);
    QFETCH(int, chunkSize);
    QFETCH(bool, kept);

    LineAssembler assembler;
    const QByteArray line(length, 'x');
    Lines got;
    for (int i = 0; i < line.size(); i += chunkSize) {
        got += assembler.feed(line.mid(i, chunkSize));
        QVERIFY(assembler.pendingSize() <= LineAssembler::cst_max_line_length);
    }
    got += assembler.feed("\nL\n");
    const Lines expected = kept ? Lines { line, "L" } : Lines { "L" };
    QCOMPARE(got, expected);
    QCOMPARE(assembler.droppedLines(), kept ? 0 : 1);
}

void TestLineAssembler::randomBytesStayBounded()
{
    QRandomGenerator random(4242);
    LineAssembler assembler;
    int lines = 0;
    for (int i = 0; i < 1024; ++i) {
        QByteArray chunk(1024, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32*>(chunk.data()), chunk.size() / 4);
        for (const QByteArray& line : assembler.feed(chunk)) {
            QVERIFY(!line.isEmpty());
            QVERIFY(line.size() <= LineAssembler::cst_max_line_length);
            QVERIFY(!line.contains('\n') && !line.contains('\r'));
            ++lines;
        }
        QVERIFY(assembler.pendingSize() <= LineAssembler::cst_max_line_length);
        QVERIFY(assembler.capacity() <= 4 * LineAssembler::cst_max_line_length);
    }
    QVERIFY(lines > 0);
    assembler.feed("\n"); // ends whatever the noise left pending
    QCOMPARE(assembler.feed("KORVANE\n"), Lines { "KORVANE" });
}

void TestLineAssembler::clearForgetsPartialLine()
{
    LineAssembler assembler;
    assembler.feed("LE");
    assembler.clear();
    QCOMPARE(assembler.feed("FT\n"), Lines { "FT" });
    assembler.feed(QByteArray(5000, 'y'));
    assembler.clear();
    QCOMPARE(assembler.feed("R\n"), Lines { "R" });
}

// The one form in which the link, the controller and the timing compare a
// line: a configured line that ends in a line end still matches the device.
void TestLineAssembler::comparedLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("form");
    QTest::newRow("plain") << "L"
                           << "L";
    QTest::newRow("case folded") << "btn Up"
                                 << "BTN UP";
    QTest::newRow("LF") << "L\n"
                        << "L";
    QTest::newRow("CR") << "L\r"
                        << "L";
    QTest::newRow("CR LF") << "L\r\n"
                           << "L";
    QTest::newRow("several line ends") << "L\n\r\n"
                                       << "L";
    QTest::newRow("inner CR kept") << "L\rR"
                                   << "L\rR";
    QTest::newRow("NUL kept") << QString::fromLatin1("L\0X", 3) << QString::fromLatin1("L\0X", 3);
    QTest::newRow("trailing blank kept") << "L "
                                         << "L ";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only line ends") << "\r\n"
                                    << "";
}

void TestLineAssembler::comparedLine()
{
    QFETCH(QString, line);
    QFETCH(QString, form);
    QCOMPARE(korvane::core::comparedLine(line), form);
}

QTEST_APPLESS_MAIN(TestLineAssembler)
#include "tst_lineassembler.moc"

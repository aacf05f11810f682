#include "glyphs/SfntReader.h"

#include <QTest>

#include <limits>

// Fields of a font table: big-endian, and zero with the overrun flag set for
// any read that does not lie wholly inside the data.
class SfntReaderTest : public QObject {
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void bytes_data();
    void bytes();
};

namespace {

const QByteArray kTable("\x12\x34\xFF\xFE\x80\x00\x00\x01", 8);

}  // namespace

void SfntReaderTest::fields_data()
{
    QTest::addColumn<char>("kind");  // 'u': u16, 's': s16, 'l': u32
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("overrun");
    QTest::newRow("u16 at the start") << 'u' << qint64(0) << qint64(0x1234) << false;
    QTest::newRow("u16 high byte set") << 'u' << qint64(2) << qint64(0xFFFE) << false;
    QTest::newRow("u16 odd offset") << 'u' << qint64(1) << qint64(0x34FF) << false;
    QTest::newRow("u16 last field") << 'u' << qint64(6) << qint64(0x0001) << false;
    QTest::newRow("u16 half past the end") << 'u' << qint64(7) << qint64(0) << true;
    QTest::newRow("u16 past the end") << 'u' << qint64(8) << qint64(0) << true;
    QTest::newRow("u16 negative offset") << 'u' << qint64(-1) << qint64(0) << true;
    QTest::newRow("s16 negative") << 's' << qint64(2) << qint64(-2) << false;
    QTest::newRow("s16 smallest") << 's' << qint64(4) << qint64(-32768) << false;
    QTest::newRow("u32 whole") << 'l' << qint64(4) << qint64(0x80000001) << false;
    QTest::newRow("u32 above 2^31") << 'l' << qint64(2) << qint64(0xFFFE8000) << false;
    QTest::newRow("u32 cut by the end") << 'l' << qint64(6) << qint64(0x00010000) << true;
}

void SfntReaderTest::fields()
{
    QFETCH(char, kind);
    QFETCH(qint64, offset);
    QFETCH(qint64, expected);
    QFETCH(bool, overrun);
    const SfntReader reader(kTable);
    QVERIFY(!reader.overrun());
    const qint64 value = kind == 'u' ? qint64(reader.u16(offset))
        : kind == 's'                ? qint64(reader.s16(offset))
                                     : qint64(reader.u32(offset));
    QCOMPARE(value, expected);
    QCOMPARE(reader.overrun(), overrun);
}

void SfntReaderTest::bytes_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("overrun");
    QTest::newRow("inside") << qint64(1) << qint64(3) << QByteArray("\x34\xFF\xFE", 3) << false;
    QTest::newRow("up to the end") << qint64(6) << qint64(2) << QByteArray("\x00\x01", 2) << false;
    QTest::newRow("nothing at the end") << qint64(8) << qint64(0) << QByteArray() << false;
    QTest::newRow("one too many") << qint64(6) << qint64(3) << QByteArray() << true;
    QTest::newRow("negative length") << qint64(0) << qint64(-1) << QByteArray() << true;
    QTest::newRow("length that would wrap")
        << qint64(4) << std::numeric_limits<qint64>::max() << QByteArray() << true;
}

void SfntReaderTest::bytes()
{
    QFETCH(qint64, offset);
    QFETCH(qint64, length);
    QFETCH(QByteArray, expected);
    QFETCH(bool, overrun);
    const SfntReader reader(kTable);
    QCOMPARE(reader.bytes(offset, length), expected);
    QCOMPARE(reader.overrun(), overrun);
}

QTEST_APPLESS_MAIN(SfntReaderTest)
#include "SfntReaderTest.moc"

// The row table the refresh walks: order, captions, inputs and the place
// of the Maya pictures.

#include "NumeralTestSupport.h"

#include <QtTest>

namespace {

struct ExpectedRow {
    const char* cell;
    const char* caption;
    RowInput input;
};

constexpr RowInput N = RowInput::Number;
constexpr RowInput T = RowInput::Text;

constexpr ExpectedRow kRefreshOrder[] = {
    {"P36", "Amharic", N}, {"P27", "Sanskrit", N}, {"P40", "Armenian", N},
    {"P6", "Arabic", T}, {"P60", "Bengali", T}, {"P63", "Hindi", T}, {"P26", "Fingernumbers", T},
    {"P7", "Semaphore", T}, {"P72", "N'Ko", T}, {"P34", "Braille", T}, {"P33", "Brahmi", T},
    {"P71", "Tibetan", T}, {"P29", "Staff numbers", T},
    {"P67", "Post code", T},
    {"P37", "Ancient Greek", N}, {"P39", "Heyarian", T}, {"P28", "Egyptian", N}, {"P38", "Attic", N},
    {"P66", "Laotian", T}, {"P61", "Farsi", T},
    {"P42", "Kanji", N},
    {"P64", "Ionic", N}, {"P62", "Hebrew", N}, {"P9", "Oxidilogi", N},
    {"P8", "Ath-Seikai", T}, {"P73", "Khmer", T}, {"P19", "Narn", T}, {"P10", "Futurama", T},
    {"P20", "Stargate", T}, {"P65", "Kannada", T}, {"P69", "Tamil", T}, {"P70", "Thai", T},
    {"P18", "Gorwelion", T}, {"P30", "Klingon", T}, {"P68", "Osmanya", T}, {"P35", "Dancing Men", T},
    {"P24", "Kayah", T}, {"P12", "Mong", T}, {"P57", "SpaceKees", T}, {"P21", "Tenctonese", T},
    {"P17", "Zentlardy", T},
    {"P31", "D'Ni", N}, {"P48", "Four Line", N}, {"P49", "Ecclemony", N}, {"P23", "Diamond", N},
    {"P45", "Quadnary", N}, {"P13", "Dual code", N}, {"P4", "P\xC3\xA9krif", N},
    {"P22", "Maya-Hierogl.", N}, {"P53", "Hungar.Runes", N}, {"P14", "Manchu", N}, {"P41", "Gothic", N},
    {"P25", "Suzhou", N}, {"P15", "Morse code", T},
};

} // namespace

class TextRows : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowTheRefreshOrder_data();
    void rowsFollowTheRefreshOrder();
    void mayaPicturesComeAfterKanji();
    void cellsAreUnique();
    void findTextRowByCell();
    void unknownRowUsesNoCodes();
};

void TextRows::rowsFollowTheRefreshOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<QByteArray>("caption");
    QTest::addColumn<bool>("readsText");
    QCOMPARE(std::size(kRefreshOrder), TextRowsInRefreshOrder().size());
    int index = 0;
    for (const ExpectedRow& row : kRefreshOrder) {
        QTest::newRow(row.cell) << index++ << QByteArray(row.cell) << QByteArray(row.caption)
                                << (row.input == RowInput::Text);
    }
}

void TextRows::rowsFollowTheRefreshOrder()
{
    QFETCH(int, index);
    QFETCH(QByteArray, cell);
    QFETCH(QByteArray, caption);
    QFETCH(bool, readsText);
    const TextRow& row = TextRowsInRefreshOrder().at(static_cast<std::size_t>(index));
    QCOMPARE(QByteArray(row.cell), cell);
    QCOMPARE(QByteArray(row.caption), caption);
    QCOMPARE(row.input == RowInput::Text, readsText);
    QVERIFY(row.build != nullptr);
}

void TextRows::mayaPicturesComeAfterKanji()
{
    const auto& rows = TextRowsInRefreshOrder();
    QCOMPARE(kMayaPicturesBefore, std::size_t{21});
    QCOMPARE(QByteArray(rows[kMayaPicturesBefore - 1].caption), QByteArray("Kanji"));
    QCOMPARE(QByteArray(rows[kMayaPicturesBefore].caption), QByteArray("Ionic"));
}

void TextRows::cellsAreUnique()
{
    QSet<QByteArray> cells;
    for (const TextRow& row : TextRowsInRefreshOrder())
        cells.insert(row.cell);
    QCOMPARE(cells.size(), qsizetype(TextRowsInRefreshOrder().size()));
}

void TextRows::findTextRowByCell()
{
    const TextRow* row = FindTextRow("P4");
    QVERIFY(row != nullptr);
    QCOMPARE(QByteArray(row->caption), QByteArray("P\xC3\xA9krif"));
    QVERIFY(FindTextRow("PB7") == nullptr);
    QVERIFY(FindTextRow("l2") == nullptr);
}

void TextRows::unknownRowUsesNoCodes()
{
    const TextRow stray{"P99", "Stray", RowInput::Number, nullptr};
    QVERIFY(CodesUsedBy(stray).none());
    QCOMPARE(CodesUsedBy(*FindTextRow("P13")).count(), std::size_t{3});
}

QTEST_APPLESS_MAIN(TextRows)
#include "tst_TextRows.moc"

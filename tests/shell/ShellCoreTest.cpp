#include "glyphs/CharacterMap.h"
#include "glyphs/Cp1252.h"
#include "DayCount.h"
#include "ProgramResources.h"
#include "rows/RowTable.h"

#include "numerals/TextRows.h"
#include "numerals/UnicodeRows.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstring>

namespace {

// A cmap table with one format 4 subtable (3, 1): U+0041..U+0043 -> glyphs
// 10..12 by delta, U+00AD -> glyph 20 through the glyph id array.
QByteArray SmallCmap()
{
    QByteArray t;
    auto u16 = [&t](int v) { t.append(char((v >> 8) & 0xFF)).append(char(v & 0xFF)); };
    auto u32 = [&](quint32 v) {
        u16(int(v >> 16));
        u16(int(v & 0xFFFF));
    };
    u16(0);
    u16(1);  // version, one subtable
    u16(3);
    u16(1);
    u32(12);  // platform 3, encoding 1, offset 12
    const int segments = 3;
    u16(4);
    u16(16 + segments * 8 + 2);
    u16(0);  // format, length, language
    u16(segments * 2);
    u16(4);
    u16(1);
    u16(2);  // segCountX2, search hints
    u16(0x0043);
    u16(0x00AD);
    u16(0xFFFF);  // end codes
    u16(0);       // reserved pad
    u16(0x0041);
    u16(0x00AD);
    u16(0xFFFF);  // start codes
    u16(10 - 0x41);
    u16(0);
    u16(1);  // deltas
    u16(0);
    u16(4);
    u16(0);   // range offsets
    u16(20);  // glyph id array
    return t;
}

}  // namespace

class ShellCoreTest : public QObject {
    Q_OBJECT

private slots:
    void dayCount_data();
    void dayCount();
    void rowTableHasEveryRowOnce();
    void everyPanelHasItsBuilder();
    void everyTextRowHasItsBuilder();
    void thirdPageDigitScriptsFirstThenTheOthers();
    void refreshReachesOnlyTheMayaPictures();
    void resourcesIgnoreLetterCase();
    void missingResourceNamesTheNameAskedFor();
    void cp1252HighRange_data();
    void cp1252HighRange();
    void characterMapLooksUpFormat4();
};

void ShellCoreTest::dayCount_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("days");
    QTest::newRow("epoch") << QDate(1899, 12, 30) << 0;
    QTest::newRow("first of 1900") << QDate(1900, 1, 1) << 2;
    QTest::newRow("6 December 2026") << QDate(2026, 12, 6) << 46362;
    QTest::newRow("leap day 2024") << QDate(2024, 2, 29) << 45351;
}

void ShellCoreTest::dayCount()
{
    QFETCH(QDate, date);
    QFETCH(int, days);
    QCOMPARE(DayCountSince1899(date), days);
}

void ShellCoreTest::rowTableHasEveryRowOnce()
{
    QSet<QString> cells;
    QSet<QString> captions;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        QVERIFY2(!cells.contains(QLatin1String(row.cell)), row.cell);
        QVERIFY2(!captions.contains(QString::fromUtf8(row.caption)), row.caption);
        cells.insert(QLatin1String(row.cell));
        captions.insert(QString::fromUtf8(row.caption));
        QCOMPARE(FindRow(row.cell), &row);
        if (row.kind != ValueKind::PaintBox)
            QVERIFY2(row.family && row.pixelHeight > 0, row.cell);
    }
    QVERIFY(captions.contains(QString::fromUtf8("P\u00e9krif")));
    QVERIFY(FindRow("P99") == nullptr);
}

// The refresh fills every value panel with its numeral builder, and every
// builder has its panel in the window.
void ShellCoreTest::everyPanelHasItsBuilder()
{
    int panels = 0;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        if (row.kind != ValueKind::Panel)
            continue;
        ++panels;
        QVERIFY2(FindTextRow(row.cell) != nullptr, row.cell);
    }
    for (const TextRow& builder : AllTextRows()) {
        const RowSpec* row = FindRow(builder.cell);
        QVERIFY2(row && row->kind == ValueKind::Panel, builder.cell);
    }
    QCOMPARE(AllTextRows().size(), std::size_t(panels));
}

// Every row written as Unicode text is on the third page or after with a
// builder, every row there is written as text, and every such builder has
// its row.
void ShellCoreTest::everyTextRowHasItsBuilder()
{
    std::size_t textRows = 0;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        QCOMPARE(row.kind == ValueKind::Text, row.page >= TabPage::T3);
        if (row.kind == ValueKind::Text) {
            ++textRows;
            QVERIFY2(FindUnicodeRow(row.cell) != nullptr, row.cell);
        }
    }
    for (const UnicodeRow& builder : AllUnicodeRows()) {
        const RowSpec* row = FindRow(builder.cell);
        QVERIFY2(row && row->kind == ValueKind::Text, builder.cell);
    }
    QCOMPARE(AllUnicodeRows().size(), textRows);
}

// The third page: two columns of 14; the digit scripts (whose text is
// digits) in alphabetical order from the top of the left column on, then
// the other systems in alphabetical order.
void ShellCoreTest::thirdPageDigitScriptsFirstThenTheOthers()
{
    const auto writesDigits = [](const RowSpec& row) {
        const QString text = QString::fromStdString(FindUnicodeRow(row.cell)->build(1994).text);
        const QList<uint> characters = text.toUcs4();
        return std::all_of(characters.begin(), characters.end(),
                           [](uint c) { return QChar::digitValue(char32_t(c)) >= 0; });
    };
    QList<const RowSpec*> rows;
    int left = 0;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        if (row.page == TabPage::T3) {
            rows << &row;
            left += row.column == RowColumn::Left;
        }
    }
    QCOMPARE(rows.size(), 28);
    QCOMPARE(left, 14);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const bool digits = writesDigits(*rows[i - 1]);
        QVERIFY2(digits || !writesDigits(*rows[i]), rows[i]->caption);
        if (digits == writesDigits(*rows[i]))
            QVERIFY2(QString::compare(QString::fromUtf8(rows[i - 1]->caption),
                                      QString::fromUtf8(rows[i]->caption), Qt::CaseInsensitive)
                         < 0,
                     rows[i]->caption);
    }
    QCOMPARE(std::count_if(rows.begin(), rows.end(), [&](const RowSpec* row) { return writesDigits(*row); }),
             19);
}

// The refresh composes the pictures of the one paint box it reaches as the
// Maya pictures.
void ShellCoreTest::refreshReachesOnlyTheMayaPictures()
{
    QStringList boxes;
    for (const RowSpec* row : RowsInRefreshOrder())
        if (row->kind != ValueKind::Panel)
            boxes << QLatin1String(row->cell);
    QCOMPARE(boxes, QStringList{"PB7"});
    QCOMPARE(FindRow("PB7")->kind, ValueKind::PaintBox);
}

void ShellCoreTest::resourcesIgnoreLetterCase()
{
    QCOMPARE(LoadProgramResource("GIF", "sample"), QByteArray("sample resource\n"));
    QCOMPARE(LoadProgramResource("gif", "SaMpLe"), QByteArray("sample resource\n"));
    QVERIFY(HasProgramResource("Gif", "SAMPLE"));
    QVERIFY(!HasProgramResource("RT_RCDATA", "sample"));
}

void ShellCoreTest::missingResourceNamesTheNameAskedFor()
{
    try {
        LoadProgramResource("RT_RCDATA", "glyfa08c");
        QFAIL("no error for a missing resource");
    } catch (const ResourceNotFound& error) {
        QCOMPARE(QString::fromUtf8(error.what()), QString("Resource glyfa08c not found"));
    }
}

void ShellCoreTest::cp1252HighRange_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("florin") << 0x83 << 0x0192;
    QTest::newRow("OE") << 0x8C << 0x0152;
    QTest::newRow("undefined 0x81") << 0x81 << 0x81;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
    QTest::newRow("y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("tab") << 0x09 << 0x09;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("soft hyphen") << 0xAD << 0xAD;
    QTest::newRow("e acute") << 0xE9 << 0xE9;
}

void ShellCoreTest::cp1252HighRange()
{
    QFETCH(int, byte);
    QFETCH(int, character);
    QCOMPARE(int(Cp1252ToUnicode(static_cast<unsigned char>(byte))), character);
}

void ShellCoreTest::characterMapLooksUpFormat4()
{
    const CharacterMap map(SmallCmap());
    QCOMPARE(map.glyphForCharacter(U'A'), 10u);
    QCOMPARE(map.glyphForCharacter(U'C'), 12u);
    QCOMPARE(map.glyphForCharacter(U'D'), 0u);
    QCOMPARE(map.glyphForCharacter(U'\u00AD'), 20u);
    QCOMPARE(map.glyphForCharacter(U'\u00AC'), 0u);
    QCOMPARE(map.glyphForCharacter(U'\U0001F600'), 0u);
    QVERIFY(!map.hasSymbolSubtable());
    QCOMPARE(CharacterMap(QByteArray("\0\0", 2)).glyphForCharacter(U'A'), 0u);
}

QTEST_GUILESS_MAIN(ShellCoreTest)
#include "ShellCoreTest.moc"

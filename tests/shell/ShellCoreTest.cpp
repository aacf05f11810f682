#include "CharacterMap.h"
#include "Cp1252.h"
#include "DayCount.h"
#include "ProgramResources.h"
#include "RowTable.h"

#include "numerals/TextRows.h"

#include <QSet>
#include <QTest>

#include <cstring>

namespace {

// A cmap table with one format 4 subtable (3, 1): U+0041..U+0043 -> glyphs
// 10..12 by delta, U+00AD -> glyph 20 through the glyph id array.
QByteArray SmallCmap()
{
    QByteArray t;
    auto u16 = [&t](int v) { t.append(char((v >> 8) & 0xFF)).append(char(v & 0xFF)); };
    auto u32 = [&](quint32 v) { u16(int(v >> 16)); u16(int(v & 0xFFFF)); };
    u16(0); u16(1);                 // version, one subtable
    u16(3); u16(1); u32(12);        // platform 3, encoding 1, offset 12
    const int segments = 3;
    u16(4); u16(16 + segments * 8 + 2); u16(0);   // format, length, language
    u16(segments * 2); u16(4); u16(1); u16(2);     // segCountX2, search hints
    u16(0x0043); u16(0x00AD); u16(0xFFFF);         // end codes
    u16(0);                                        // reserved pad
    u16(0x0041); u16(0x00AD); u16(0xFFFF);         // start codes
    u16(10 - 0x41); u16(0); u16(1);                // deltas
    u16(0); u16(4); u16(0);                        // range offsets
    u16(20);                                       // glyph id array
    return t;
}

}  // namespace

class ShellCoreTest : public QObject {
    Q_OBJECT

private slots:
    void dayCount_data();
    void dayCount();
    void rowTableHasEveryRowOnce();
    void rowTableColumnsHaveTheirRowCounts();
    void familyOrderCoversEveryPanelOnce();
    void textRowsAreTheWindowsPanels();
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
    int panels = 0;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        cells.insert(QLatin1String(row.cell));
        captions.insert(QString::fromUtf8(row.caption));
        if (row.kind == ValueKind::Panel) {
            ++panels;
            QVERIFY2(row.family && row.pixelHeight > 0, row.cell);
        }
    }
    QCOMPARE(cells.size(), int(kRowCount));
    QCOMPARE(captions.size(), int(kRowCount));
    QCOMPARE(panels, int(kGlyphPanelCount));
    QVERIFY(captions.contains(QString::fromUtf8("P\u00e9krif")));
}

void ShellCoreTest::rowTableColumnsHaveTheirRowCounts()
{
    auto count = [](TabPage page, RowColumn column) {
        int n = 0;
        for (const RowSpec& row : RowsInDisplayOrder())
            n += row.page == page && row.column == column;
        return n;
    };
    QCOMPARE(count(TabPage::T1, RowColumn::FullWidth), 1);
    QCOMPARE(count(TabPage::T1, RowColumn::Left), 14);
    QCOMPARE(count(TabPage::T1, RowColumn::Right), 14);
    QCOMPARE(count(TabPage::T2, RowColumn::Left), 15);
    QCOMPARE(count(TabPage::T2, RowColumn::Right), 15);
}

void ShellCoreTest::familyOrderCoversEveryPanelOnce()
{
    QSet<QString> seen;
    QMap<QString, int> perFamily;
    for (const char* cell : PanelsInFamilyOrder()) {
        const RowSpec* row = FindRow(cell);
        QVERIFY2(row && row->kind == ValueKind::Panel, cell);
        QVERIFY2(!seen.contains(QLatin1String(cell)), cell);
        seen.insert(QLatin1String(cell));
        ++perFamily[QLatin1String(row->family)];
    }
    QCOMPARE(seen.size(), int(kGlyphPanelCount));
    QCOMPARE(perFamily.value("Glyfa08"), 11);
    QCOMPARE(perFamily.value("Glyfa08b"), 12);
    QCOMPARE(perFamily.value("Glyfa08c"), 16);
    QCOMPARE(perFamily.value("Glyfa08d"), 14);
    QCOMPARE(perFamily.value("Symbol"), 1);
}

// The refresh walks the numeral builders' table; the window is built from
// its own. Both must name the same 54 panels with the same captions.
void ShellCoreTest::textRowsAreTheWindowsPanels()
{
    QSet<QString> panels;
    for (const TextRow& row : TextRowsInRefreshOrder()) {
        const RowSpec* spec = FindRow(row.cell);
        QVERIFY2(spec && spec->kind == ValueKind::Panel, row.cell);
        QCOMPARE(QString::fromUtf8(row.caption), QString::fromUtf8(spec->caption));
        panels.insert(QLatin1String(row.cell));
    }
    QCOMPARE(panels.size(), int(kGlyphPanelCount));
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

// Worked examples of every numeral row, grouped by family of systems.

#include "NumeralTestSupport.h"

#include "numerals/Roman.h"
#include "numerals/SharedBuilders.h"
#include "numerals/UnicodeRows.h"

#include <QTest>

#include <array>

namespace {

void AddNumberCase(const char* cell, int n, const char* expected)
{
    QTest::addRow("%s %d", cell, n) << QByteArray(cell) << n << QByteArray::number(n)
                                    << QString::fromLatin1(expected);
}

void AddTextCase(const char* cell, const char* text, int n, const char* expected)
{
    QTest::addRow("%s '%s'", cell, text)
        << QByteArray(cell) << n << QByteArray(text) << QString::fromLatin1(expected);
}

// The code points of a numeral, "10D8 10D4"; "-" where the system has no
// form for the number (and writes nothing).
QString CodePointsOf(const UnicodeNumeral& numeral)
{
    if (!numeral.hasForm)
        return numeral.text.empty() ? QStringLiteral("-") : QStringLiteral("text without a form");
    QStringList codePoints;
    for (char32_t c : QString::fromStdString(numeral.text).toUcs4())
        codePoints << QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    return codePoints.join(u' ');
}

// The worked examples of the systems of the third page that are not plain
// digits, for these numbers.
constexpr std::array<int, 9> kExampleNumbers{0, 7, 10, 15, 100, 1994, 2026, 46363, 79999};
struct UnicodeExamples {
    const char* cell;
    std::array<const char*, kExampleNumbers.size()> codePoints;
};
// clang-format off
constexpr UnicodeExamples kUnicodeExamples[] = {
    {"Ugeor", {"-", "10D6", "10D8", "10D8 10D4", "10E0", "10E9 10E8 10DF 10D3", "10EA 10D9 10D5", "-", "-"}},
    {"Ucyrl", {"-", "0437 0483", "0456 0483", "0454 0483 0456", "0440 0483", "0482 0430 0446 0447 0483 0434",
               "0482 0432 043A 0483 0455", "0482 043C 0483 0482 0455 0020 0442 046F 0483 0433",
               "0482 047B 0483 0482 0473 0020 0446 0447 0483 0473"}},
    {"Ucopt", {"-", "2C8D 0305", "2C93 0305", "2C93 0305 2C89 0305", "2CA3 0305",
               "2C81 033F 2CC1 0305 03E5 0305 2C87 0305", "2C83 033F 2C95 0305 2C8B 0305",
               "2C99 033F 2C8B 033F 2CA7 0305 2C9D 0305 2C85 0305",
               "2C9F 033F 2C91 033F 2CC1 0305 03E5 0305 2C91 0305"}},
    {"Uhansfin", {"96F6", "67D2", "58F9 62FE", "58F9 62FE 4F0D", "58F9 4F70", "58F9 4EDF 7396 4F70 7396 62FE 8086",
                  "8D30 4EDF 96F6 8D30 62FE 9646", "8086 4E07 9646 4EDF 53C1 4F70 9646 62FE 53C1",
                  "67D2 4E07 7396 4EDF 7396 4F70 7396 62FE 7396"}},
    {"Urods", {"3007", "1D366", "1D369 3007", "1D369 1D364", "1D360 3007 3007", "1D369 1D368 1D371 1D363",
               "1D36A 3007 1D36A 1D365", "1D363 1D36E 1D362 1D36E 1D362", "1D366 1D371 1D368 1D371 1D368"}},
    {"Utaml", {"0BE6", "0BED", "0BF0", "0BF0 0BEB", "0BF1", "0BF2 0BEF 0BF1 0BEF 0BF0 0BEA",
               "0BE8 0BF2 0BE8 0BF0 0BEC", "0BEA 0BF0 0BEC 0BF2 0BE9 0BF1 0BEC 0BF0 0BE9",
               "0BED 0BF0 0BEF 0BF2 0BEF 0BF1 0BEF 0BF0 0BEF"}},
    {"Uaegean", {"-", "1010D", "10110", "10110 1010B", "10119", "10122 10121 10118 1010A", "10123 10111 1010C",
                 "1012E 10127 1011B 10115 10109", "10131 1012A 10121 10118 1010F"}},
    {"Ukhar", {"-", "10A43 10A42", "10A44", "10A44 10A43 10A40", "10A40 10A46",
               "10A40 10A47 10A43 10A43 10A40 10A46 10A45 10A45 10A45 10A45 10A44 10A43",
               "10A41 10A47 10A45 10A43 10A41",
               "10A45 10A45 10A43 10A41 10A47 10A42 10A46 10A45 10A45 10A45 10A42",
               "10A45 10A45 10A45 10A44 10A43 10A43 10A40 10A47 10A43 10A43 10A40 10A46 10A45 10A45 10A45 10A45 "
               "10A44 10A43 10A43 10A40"}},
    {"Ubrahadd", {"-", "11058", "1105B", "1105B 11056", "11064", "11065 11064 1107F 1105A 11063 11055",
                  "11065 1107F 11053 1105C 11057",
                  "11065 1107F 1105E 11065 1107F 11057 11064 1107F 11054 11060 11054",
                  "11065 1107F 11061 11065 1107F 1105A 11064 1107F 1105A 11063 1105A"}},
};

// The fifth page's systems, for the numbers of their fact sheet; "-" where
// the system has no form, "" where the row shows nothing though the number
// has a form (tallies above 50).
constexpr std::array<int, 7> kSheetNumbers{0, 7, 19, 1994, 2026, 46363, 79999};
struct SheetExamples {
    const char* cell;
    std::array<const char*, kSheetNumbers.size()> codePoints;
};
constexpr SheetExamples kFifthPageExamples[] = {
    {"Uabjad", {"-", "0632", "064A 0637", "063A 0638 0635 062F", "-", "-", "-"}},
    {"Uarmi",
     {"-", "1085A 1085A 10858", "1085B 1085A 1085A 1085A", "10858 1085E 1085A 1085A 1085A 1085D 1085C 1085C 1085C 1085C 1085B 1085A 10858", "10859 1085E 1085C 1085A 1085A", "1085A 10858 1085F 1085A 1085A 1085E 1085A 1085D 1085C 1085C 1085C 1085A", "1085A 1085A 10858 1085F 1085A 1085A 1085A 1085E 1085A 1085A 1085A 1085D 1085C 1085C 1085C 1085C 1085B 1085A 1085A 1085A"}},
    {"Uhans", {"96F6", "4E03", "5341 4E5D", "4E00 5343 4E5D 767E 4E5D 5341 56DB", "4E8C 5343 96F6 4E8C 5341 516D", "56DB 4E07 516D 5343 4E09 767E 516D 5341 4E09", "4E03 4E07 4E5D 5343 4E5D 767E 4E5D 5341 4E5D"}},
    {"Uepact", {"-", "102E7", "102EA 102E9", "102E1 102E0 102FB 102F2 102E4", "102E2 102E0 102EB 102E6", "102ED 102E0 102E6 102E0 102F5 102EF 102E3", "102F0 102E0 102E9 102E0 102FB 102F2 102E9"}},
    {"Ujpanfin", {"96F6", "4E03", "58F1 62FE 4E5D", "58F1 5343 4E5D 767E 4E5D 62FE 56DB", "5F10 5343 5F10 62FE 516D", "56DB 842C 516D 5343 53C2 767E 516D 62FE 53C2", "4E03 842C 4E5D 5343 4E5D 767E 4E5D 62FE 4E5D"}},
    {"Uglag", {"-", "2C06", "2C08 2C0A", "2C1D 2C1C 2C12 2C03", "-", "-", "-"}},
    {"Ukakt", {"1D2C0", "1D2C7", "1D2D3", "1D2C4 1D2D3 1D2CE", "1D2C5 1D2C1 1D2C6", "1D2C5 1D2CF 1D2D2 1D2C3", "1D2C9 1D2D3 1D2D3 1D2D3"}},
    {"Umlymold", {"-", "0D6D", "0D70 0D6F", "0D72 0D6F 0D71 0D6F 0D70 0D6A", "0D68 0D72 0D68 0D70 0D6C", "0D6A 0D70 0D6C 0D72 0D69 0D71 0D6C 0D70 0D69", "0D6D 0D70 0D6F 0D72 0D6F 0D71 0D6F 0D70 0D6F"}},
    {"Umedf", {"16E80", "16E87", "16E93", "16E84 16E93 16E8E", "16E85 16E81 16E86", "16E85 16E8F 16E92 16E83", "16E89 16E93 16E93 16E93"}},
    {"Umend",
     {"-", "1E8CD", "1E8CF 1E8D0", "1E8C7 1E8D3 1E8CF 1E8D2 1E8CF 1E8D1 1E8CA", "1E8C8 1E8D3 1E8C8 1E8D1 1E8CC", "1E8CA 1E8D4 1E8CC 1E8D3 1E8C9 1E8D2 1E8CC 1E8D1 1E8C9", "1E8CD 1E8D4 1E8CF 1E8D3 1E8CF 1E8D2 1E8CF 1E8D1 1E8CF"}},
    {"Umerc", {"-", "109C6", "109C9 109C8", "-", "109DC 109CA 109C5", "109E7 109E0 109D4 109CE 109C2", "-"}},
    {"Uprti",
     {"-", "10B5B 10B5A", "10B5C 10B5B 10B5B 10B58", "10B58 10B5F 10B5B 10B5B 10B58 10B5E 10B5D 10B5D 10B5D 10B5D 10B5C 10B5B", "10B59 10B5F 10B5D 10B5B 10B59", "-", "-"}},
    {"Uphnx", {"-", "1091B 1091B 10916", "10917 1091B 1091B 1091B", "-", "-", "-", "-"}},
    {"Uromapos",
     {"-", "0056 0049 0049", "0058 0049 0058", "2180 0043 2180 0058 0043 0049 0056", "2180 2180 0058 0058 0056 0049", "2182 2187 2181 2180 0043 0043 0043 004C 0058 0049 0049 0049", "2187 2182 2182 2180 2182 0043 2180 0058 0043 0049 0058"}},
    {"Urumi", {"-", "10E66", "10E69 10E68", "-", "-", "-", "-"}},
    {"Usinhold", {"-", "111E7", "111EA 111E9", "111F4 111E9 111F3 111F2 111E4", "111E2 111F4 111EB 111E6", "111ED 111E6 111F4 111E3 111F3 111EF 111E3", "111F0 111E9 111F4 111E9 111F3 111F2 111E9"}},
    {"Uxsux", {"-", "1240C", "1230B 1240E", "12420 12417 1230B 12409", "12420 12417 1240F 1240B", "1242C 12423 12422 12416 1240F 12408", "1242D 12423 1241E 12417 1230B 1240E"}},
    {"Usyrc", {"-", "0719", "071D 071B", "0710 0748 072C 072C 0729 0728 0715", "0712 0748 071F 0718", "-", "-"}},
    {"Utally", {"-", "1D378 1D377 1D377", "1D378 1D378 1D378 1D377 1D377 1D377 1D377", "", "", "", ""}},
    {"Uzheng", {"-", "1D376 1D373", "1D376 1D376 1D376 1D375", "", "", "", ""}},
    {"Utang",
     {"-", "174B9", "17C17 178AD", "18229 1785E 178AD 1829D 178AD 17C17 17943", "1736B 1785E 1736B 17C17 17901", "17943 17551 17901 1785E 18555 1829D 17901 17C17 18555", "174B9 17551 178AD 1785E 178AD 1829D 178AD 17C17 178AD"}},
    {"Uhantfin", {"96F6", "67D2", "58F9 62FE 7396", "58F9 4EDF 7396 4F70 7396 62FE 8086", "8CB3 4EDF 96F6 8CB3 62FE 9678", "8086 842C 9678 4EDF 53C3 4F70 9678 62FE 53C3", "67D2 842C 7396 4EDF 7396 4F70 7396 62FE 7396"}},
};
// clang-format on

void AddRowColumns()
{
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
}

}  // namespace

class NumeralExamples : public QObject {
    Q_OBJECT

private:
    void compareRowCaption()
    {
        QFETCH(QByteArray, cell);
        QFETCH(int, number);
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const GlyphString caption = Caption(cell.constData(), number, text.toStdString());
        QCOMPARE(CodesText(caption), ExpandCodes(expected));
    }

private slots:
    void digitBuilders_data();
    void digitBuilders();
    void positionPatterns_data();
    void positionPatterns();
    void roman_data();
    void roman();
    void digitSystems_data();
    void digitSystems() { compareRowCaption(); }
    void positional_data();
    void positional() { compareRowCaption(); }
    void additive_data();
    void additive() { compareRowCaption(); }
    void alphabetic_data();
    void alphabetic() { compareRowCaption(); }
    void multiplicative_data();
    void multiplicative() { compareRowCaption(); }
    void numberText_data();
    void numberText() { compareRowCaption(); }
    void unicodeRows_data();
    void unicodeRows();
    void everyCodePointInUtf8();
};

void NumeralExamples::digitBuilders_data()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("radix");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1234 base 58") << "DigitGlyphs" << QByteArray("1234") << 0 << 58 << 0 << "32 59 60 61 62";
    QTest::newRow("1234 reversed") << "DigitGlyphsReversed" << QByteArray("1234") << 0 << 110 << 0
                                   << "32 114 113 112 111";
    QTest::newRow("007 keeps zeros") << "DigitGlyphs" << QByteArray("007") << 0 << 58 << 0 << "32 58 58 65";
    QTest::newRow("leading blank") << "DigitGlyphs" << QByteArray(" 12") << 0 << 58 << 0 << "32 42 59 60";
    QTest::newRow("$1F base 58") << "DigitGlyphs" << QByteArray("$1F") << 0 << 58 << 0 << "32 46 59 80";
    QTest::newRow("$1F wraps at 256")
        << "DigitGlyphs" << QByteArray("$1F") << 0 << 245 << 0 << "32 233 246 11";
    QTest::newRow("$1F reversed wraps")
        << "DigitGlyphsReversed" << QByteArray("$1F") << 0 << 245 << 0 << "32 11 246 233";
    QTest::newRow("0 radix 25") << "BaseDigits" << QByteArray() << 0 << 171 << 25 << "171";
    QTest::newRow("1234 radix 16") << "BaseDigits" << QByteArray() << 1234 << 171 << 16 << "175 184 173";
    QTest::newRow("radix 2 no leading zero")
        << "BaseDigits" << QByteArray() << 4 << 105 << 2 << "106 105 105";
    QTest::newRow("radix 10 exact power")
        << "BaseDigits" << QByteArray() << 1000 << 48 << 10 << "49 48 48 48";
    QTest::newRow("largest int radix 2") << "BaseDigits" << QByteArray() << 2147483647 << 48 << 2 << "49*31";
}

void NumeralExamples::digitBuilders()
{
    QFETCH(QString, builder);
    QFETCH(QByteArray, text);
    QFETCH(int, number);
    QFETCH(int, base);
    QFETCH(int, radix);
    QFETCH(QString, expected);
    GlyphString result;
    if (builder == "DigitGlyphs")
        result = DigitGlyphs(text.toStdString(), base);
    else if (builder == "DigitGlyphsReversed")
        result = DigitGlyphsReversed(text.toStdString(), base);
    else
        result = BaseDigits(number, base, radix);
    QCOMPARE(CodesText(result), ExpandCodes(expected));
}

void NumeralExamples::positionPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digit 0 writes nothing") << "DigitIfPositive" << 0 << 100 << "7";
    QTest::newRow("digit 1 writes base+1") << "DigitIfPositive" << 1 << 100 << "7 101";
    QTest::newRow("digit 9 writes base+9") << "DigitIfPositive" << 9 << 100 << "7 109";
    QTest::newRow("multiplier 0 writes nothing") << "MultiplierIfAboveOne" << 0 << 100 << "7";
    QTest::newRow("multiplier 1 writes nothing") << "MultiplierIfAboveOne" << 1 << 100 << "7";
    QTest::newRow("multiplier 2 writes base+2") << "MultiplierIfAboveOne" << 2 << 100 << "7 102";
    QTest::newRow("multiplier wraps at 256") << "MultiplierIfAboveOne" << 9 << 250 << "7 3";
    QTest::newRow("repeat 0 times") << "RepeatGlyph" << 0 << 213 << "7";
    QTest::newRow("repeat negative count") << "RepeatGlyph" << -3 << 213 << "7";
    QTest::newRow("repeat 3 times") << "RepeatGlyph" << 3 << 213 << "7 213 213 213";
}

void NumeralExamples::positionPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(int, value);
    QFETCH(int, code);
    QFETCH(QString, expected);
    GlyphString s(1, GlyphCode(7));
    if (pattern == "DigitIfPositive")
        DigitIfPositive(s, value, code);
    else if (pattern == "MultiplierIfAboveOne")
        MultiplierIfAboveOne(s, value, code);
    else
        RepeatGlyph(s, code, value);
    QCOMPARE(CodesText(s), ExpandCodes(expected));
}

void NumeralExamples::roman_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    const std::pair<int, const char*> cases[] = {{0, ""},
                                                 {4, "IV"},
                                                 {9, "IX"},
                                                 {14, "XIV"},
                                                 {40, "XL"},
                                                 {90, "XC"},
                                                 {400, "CD"},
                                                 {900, "CM"},
                                                 {1994, "MCMXCIV"},
                                                 {3999, "MMMCMXCIX"},
                                                 {4000, "MMMM"},
                                                 {4999, "MMMMCMXCIX"},
                                                 {5000, "V'M"},
                                                 {5001, "V'MI"},
                                                 {9000, "IX'M"},
                                                 {10000, "X'M"},
                                                 {12345, "XII'MCCCXLV"},
                                                 {38888, "XXXVIII'MDCCCLXXXVIII"},
                                                 {40000, "XL'M"},
                                                 {46362, "XLVI'MCCCLXII"},
                                                 {79999, "LXXIX'MCMXCIX"}};
    for (const auto& [n, roman] : cases)
        QTest::addRow("%d", n) << n << QString::fromLatin1(roman);
}

void NumeralExamples::roman()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(RomanNumeral(number)), expected);
}

void NumeralExamples::digitSystems_data()
{
    AddRowColumns();
    AddNumberCase("P6", 0, "32 58");
    AddNumberCase("P72", 0, "32 110");
    AddNumberCase("P18", 0, "32 233 223 234");
    AddNumberCase("P66", 0, "32 121");
    AddNumberCase("P61", 0, "32 58");
    AddNumberCase("P15", 0, "32 45*5 32");
    AddNumberCase("P67", 0, "32 106 106 106 32 32");
    AddNumberCase("P6", 1234, "32 59 60 61 62");
    AddNumberCase("P26", 1234, "32 246 247 248 249");
    AddNumberCase("P7", 1234, "32 132 133 134 135");
    AddNumberCase("P72", 1234, "32 114 113 112 111");
    AddNumberCase("P18", 1234, "32 233 224 225 226 227 234");
    AddNumberCase("P66", 1234, "32 122 123 124 125");
    AddNumberCase("P61", 1234, "32 59 60 61 68");
    AddNumberCase("P15", 1234, "32 183 45*4 32 183*2 45*3 32 183*3 45*2 32 183*4 45 32");
    AddNumberCase("P67", 1234, "32 32 32 106 106 106 32 106 32 106 106 106 32 32 106 106 32 106 106 32 106");
    AddNumberCase("P66", 46362, "32 125 249 124 249 123");
    AddNumberCase("P61", 46362, "32 68 70 61 70 60");
    AddNumberCase("P66", 79999, "32 250 252 252 252 252");
    AddNumberCase("P61", 79999, "32 65 67 67 67 67");
    AddNumberCase("P72", 79999, "32 119 119 119 119 117");
    AddNumberCase("P15", 5, "32 183*5 32");
    AddNumberCase("P15", 6, "32 45 183*4 32");
    AddNumberCase("P69", 10, "32 161 160");
}

void NumeralExamples::positional_data()
{
    AddRowColumns();
    AddNumberCase("P31", 0, "32 32 171");
    AddNumberCase("P48", 0, "32 32 171");
    AddNumberCase("P49", 0, "32 32 187");
    AddNumberCase("P23", 0, "32 32 207");
    AddNumberCase("P45", 0, "32 32 203");
    AddNumberCase("P13", 0, "32 105");
    AddNumberCase("P4", 0, "32 32 40 48 41");
    AddNumberCase("P22", 0, "32 118");
    AddNumberCase("P9", 0, "32 207 207");
    AddNumberCase("P45", 7, "32 32 204 206");
    AddNumberCase("P13", 7, "32 106 106 106");
    AddNumberCase("P9", 7, "32 207 209 212");
    AddNumberCase("P9", 5, "32 207 212");
    AddNumberCase("P31", 1234, "32 32 172 195 180");
    AddNumberCase("P48", 1234, "32 32 175 184 173");
    AddNumberCase("P49", 1234, "32 32 191 200 189");
    AddNumberCase("P23", 1234, "32 32 211 220 209");
    AddNumberCase("P45", 1234, "32 32 204 203 206 204 203 205");
    AddNumberCase("P13", 1234, "32 106 105 105 106 106 105 106 105 105 106 105");
    AddNumberCase("P4", 1234, "32 32 40 56 54 58 41");
    AddNumberCase("P22", 1234, "32 121 119 165");
    AddNumberCase("P9", 1234, "32 207 208 209 210 211");
    AddNumberCase("P31", 79999, "32 32 176 173 195 195");
    AddNumberCase("P48", 79999, "32 32 172 174 179 178 186");
    AddNumberCase("P4", 79999, "32 32 40 51 58 51 54 55 41");
    AddNumberCase("P22", 79999, "32 160 170 170 170");
    AddNumberCase("P9", 79999, "32 207 209 212 211 212 211 212 211 212 211 212");
    AddNumberCase("P13", 79999, "32 106 105 105 106 106 106 105 105 105 105 106*7");
    AddNumberCase("P22", 20, "32 119 118");
    AddNumberCase("P22", 9, "32 160");
    AddNumberCase("P22", 8, "32 126");
}

void NumeralExamples::additive_data()
{
    AddRowColumns();
    for (const char* cell : {"P28", "P38", "P37", "P53"})
        AddNumberCase(cell, 0, "32");
    AddNumberCase("P39", 0, "32 195 195");
    AddNumberCase("P28", 15, "32 214 213*5");
    AddNumberCase("P38", 15, "32 122 218");
    AddNumberCase("P37", 15, "32 122 121");
    AddNumberCase("P53", 15, "32 124 123");
    AddNumberCase("P39", 15, "32 195 201 197 195");
    AddNumberCase("P38", 1994, "32 125 220 124*4 219 122*4 120*4");
    AddNumberCase("P37", 1994, "32 125 124*9 123 122*4 120*4");
    AddNumberCase("P53", 1994, "32 122 160 126*9 125 124*4 122*4");
    AddNumberCase("P39", 1994, "32 195 196*4 197*4 202 198*9 199 195");
    AddNumberCase("P28", 12345, "32 217 216 216 215 215 215 214*4 213*5");
    AddNumberCase("P38", 12345, "32 126 125 125 124 124 124 122 122 122 122 218");
    AddNumberCase("P53", 12345, "32 124 122 122 160 126 126 126 124 124 124 124 123");
    AddNumberCase("P39", 12345, "32 195 201 197 197 197 197 198 198 198 199 199 200 195");
    AddNumberCase("P38", 50000, "32 222");
    AddNumberCase("P37", 50000, "32 126*5");
    AddNumberCase("P53", 50000, "32 125 160");
    AddNumberCase("P38", 79999, "32 222 126 126 221 125*4 220 124*4 219 122*4 218 120*4");
    AddNumberCase("P53", 79999, "32 125 124 124 123 122*4 160 126*9 125 124*4 123 122*4");
    AddNumberCase("P37", 900, "32 124*9");
    AddNumberCase("P38", 900, "32 220 124*4");
    AddNumberCase("P28", 79999, "32 217*7 216*9 215*9 214*9 213*9");
}

void NumeralExamples::alphabetic_data()
{
    AddRowColumns();
    for (const char* cell : {"P64", "P62", "P40", "P41", "P36"})
        AddNumberCase(cell, 0, "32");
    AddNumberCase("P64", 1, "32 202");
    AddNumberCase("P64", 15, "32 211 206");
    AddNumberCase("P64", 999, "32 228 219 210");
    AddNumberCase("P64", 1000, "32 44 202");
    AddNumberCase("P64", 10000, "32 201");
    AddNumberCase("P64", 20000, "32 203 201");
    AddNumberCase("P64", 12345, "32 201 44 203 222 214 206");
    AddNumberCase("P64", 79999, "32 208 201 44 210 228 219 210");
    AddNumberCase("P62", 15, "32 178 181");
    AddNumberCase("P62", 16, "32 179 181");
    AddNumberCase("P62", 99, "32 181 190");
    AddNumberCase("P62", 115, "32 178 181 191");
    AddNumberCase("P62", 1000, "32 200 173");
    AddNumberCase("P62", 1994, "32 176 190 199 200 173");
    AddNumberCase("P62", 10000, "32 200 182");
    AddNumberCase("P62", 12345, "32 177 185 193 200 174 182");
    AddNumberCase("P62", 15015, "32 178 181 200 178 181");
    AddNumberCase("P62", 16016, "32 179 181 200 179 181");
    AddNumberCase("P62", 25000, "32 200 177 183");
    AddNumberCase("P62", 79999, "32 181 190 199 200 181 188");
    AddNumberCase("P40", 1, "32 61");
    AddNumberCase("P40", 10000, "32 61");
    AddNumberCase("P40", 1000, "32 88");
    AddNumberCase("P40", 1994, "32 88 87 78 64");
    AddNumberCase("P40", 12345, "32 61 89 81 73 65");
    AddNumberCase("P40", 79999, "32 67 96 87 78 69");
    AddNumberCase("P41", 1, "32 58");
    AddNumberCase("P41", 1000, "32 58");
    AddNumberCase("P41", 10, "32 67");
    AddNumberCase("P41", 10000, "32 67");
    AddNumberCase("P41", 1994, "32 58 84 75 61");
    AddNumberCase("P41", 12345, "32 67 59 78 70 62");
    AddNumberCase("P41", 79999, "32 73 66 84 75 66");
    AddNumberCase("P36", 1, "32 223");
    AddNumberCase("P36", 100, "32 223 241");
    AddNumberCase("P36", 1000, "32 232 241");
    AddNumberCase("P36", 1994, "32 232 241 231 241 240 226");
    AddNumberCase("P36", 10000, "32 223 242");
    AddNumberCase("P36", 12345, "32 223 242 233 241 225 241 235 227");
    AddNumberCase("P36", 79999, "32 229 242 240 241 231 241 240 231");
}

void NumeralExamples::multiplicative_data()
{
    AddRowColumns();
    for (const char* cell : {"P42", "P25", "P14", "P27"})
        AddNumberCase(cell, 0, "32");
    AddNumberCase("P42", 1, "32 97");
    AddNumberCase("P42", 10, "32 106");
    AddNumberCase("P42", 11, "32 106 97");
    AddNumberCase("P42", 20, "32 98 106");
    AddNumberCase("P42", 100, "32 107");
    AddNumberCase("P42", 1994, "32 108 105 107 105 106 100");
    AddNumberCase("P42", 10000, "32 109");
    AddNumberCase("P42", 12345, "32 109 98 108 99 107 100 106 101");
    AddNumberCase("P42", 79999, "32 103 109 105 108 105 107 105 106 105");
    AddNumberCase("P25", 1, "32 62");
    AddNumberCase("P25", 10, "32 36");
    AddNumberCase("P25", 15, "32 36 66");
    AddNumberCase("P25", 100, "32 35");
    AddNumberCase("P25", 1994, "32 34 70 35 70 36 65");
    AddNumberCase("P25", 12345, "32 33 63 34 64 35 65 36 66");
    AddNumberCase("P25", 79999, "32 68 33 70 34 70 35 70 36 70");
    AddNumberCase("P14", 1, "32 81");
    AddNumberCase("P14", 10, "32 90");
    AddNumberCase("P14", 15, "32 95");
    AddNumberCase("P14", 20, "32 100");
    AddNumberCase("P14", 26, "32 100 86");
    AddNumberCase("P14", 100, "32 81 108");
    AddNumberCase("P14", 101, "32 81 108 81");
    AddNumberCase("P14", 110, "32 81 108 90");
    AddNumberCase("P14", 1994, "32 81 109 89 108 107 84");
    AddNumberCase("P14", 12300, "32 81 110 82 109 83 108");
    AddNumberCase("P14", 79999, "32 87 110 89 109 89 108 107 89");
    AddNumberCase("P27", 1, "32 161");
    AddNumberCase("P27", 25, "32 185");
    AddNumberCase("P27", 26, "32 166 180");
    AddNumberCase("P27", 30, "32 186");
    AddNumberCase("P27", 45, "32 165 187");
    AddNumberCase("P27", 100, "32 160 161");
    AddNumberCase("P27", 101, "32 161 160 161");
    AddNumberCase("P27", 1000, "32 160 170");
    AddNumberCase("P27", 1994, "32 164 192 160 179");
    AddNumberCase("P27", 2500, "32 160 185");
    AddNumberCase("P27", 2600, "32 160 166 160 180");
    AddNumberCase("P27", 2634, "32 164 186 160 166 160 180");
    AddNumberCase("P27", 3000, "32 160 186");
    AddNumberCase("P27", 9999, "32 169 192 160 169 160 192");
    AddNumberCase("P27", 10000, "32 161 194");
    AddNumberCase("P27", 12345, "32 165 187 160 183 161 194");
    AddNumberCase("P27", 46363, "32 163 189 160 163 160 189 164 194");
    AddNumberCase("P27", 79999, "32 169 192 160 169 160 192 167 194");
}

// Number texts other than plain decimal: text rows show every character,
// number rows show the value.
void NumeralExamples::numberText_data()
{
    AddRowColumns();
    AddTextCase("P6", "007", 7, "32 58 58 65");
    AddTextCase("P67", "007", 7, "32 106 106 106 32 32 106 106 106 32 32 32 106 106 106 32");
    AddTextCase("P39", "007", 7, "32 195 196 196 201 195");
    AddTextCase("P45", "007", 7, "32 32 204 206");
    AddTextCase("P9", "007", 7, "32 207 209 212");
    AddTextCase("P28", "007", 7, "32 213*7");
    AddTextCase("P6", " 7", 7, "32 42 65");
    AddTextCase("P66", " 7", 7, "32 227 250");
    AddTextCase("P61", " 7", 7, "32 48 65");
    AddTextCase("P15", " 7", 7, "32 32 45 45 183 183 183 32");
    // A blank is skipped like any other non-digit: the same caption as "7".
    AddTextCase("P67", " 7", 7, "32 32 106 106 106 32");
    AddTextCase("P39", " 12", 12, "32 195 196 196 197 195");
    AddTextCase("P6", "$1F", 31, "32 46 59 80");
    AddTextCase("P26", "$1F", 31, "32 233 246 11");
    AddTextCase("P67", "$1F", 31, "32 32 32 106 106 106");
    AddTextCase("P15", "$1F", 31, "32 32 183 45*4 32 32");
    AddTextCase("P39", "$1F", 31, "32 195 197 195");
    AddTextCase("P31", "$1F", 31, "32 32 172 177");
    AddTextCase("P22", "0x1F", 31, "32 119 162");
    AddTextCase("P64", "x1F", 31, "32 213 202");
    AddTextCase("P6", "-0", 0, "32 55 58");
    AddTextCase("P72", "-0", 0, "32 110 107");
    AddTextCase("P18", "-0", 0, "32 233 220 223 234");
    AddTextCase("P66", "-0", 0, "32 240 121");
    AddTextCase("P15", "-0", 0, "32 32 45*5 32");
    AddTextCase("P39", "-0", 0, "32 195 195");
    AddTextCase("P67", "-0", 0, "32 106 106 106 32 32");
    AddTextCase("P13", "-0", 0, "32 105");
    AddTextCase("P6", "+7", 7, "32 53 65");
    AddTextCase("P72", "+7", 7, "32 117 105");
    AddTextCase("P61", "+7", 7, "32 59 65");
    AddTextCase("P39", "+7", 7, "32 195 196 196 201 195");
    AddTextCase("P67", "+7", 7, "32 32 106 106 106 32");
    AddTextCase("P42", "+7", 7, "32 103");
}

// The systems of the third page written as text, in logical order: the
// fact sheet's examples, and published ones (Georgian dates, the last
// Georgian number of the W3C list, a Cyrillic year, a cheque amount).
void NumeralExamples::unicodeRows_data()
{
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("codePoints");
    for (const UnicodeExamples& system : kUnicodeExamples) {
        for (std::size_t i = 0; i < kExampleNumbers.size(); ++i)
            QTest::addRow("%s %d", system.cell, kExampleNumbers[i])
                << QByteArray(system.cell) << kExampleNumbers[i] << QString::fromLatin1(system.codePoints[i]);
    }
    QTest::newRow("Georgian 1769") << QByteArray("Ugeor") << 1769 << "10E9 10E6 10F2 10D7";
    QTest::newRow("Georgian 1887") << QByteArray("Ugeor") << 1887 << "10E9 10E7 10DE 10D6";
    QTest::newRow("Georgian 2012") << QByteArray("Ugeor") << 2012 << "10EA 10D8 10D1";
    QTest::newRow("Georgian 19999") << QByteArray("Ugeor") << 19999 << "10F5 10F0 10E8 10DF 10D7";
    QTest::newRow("Georgian 20000") << QByteArray("Ugeor") << 20000 << "-";
    QTest::newRow("Cyrillic 1706") << QByteArray("Ucyrl") << 1706 << "0482 0430 0471 0483 0455";
    QTest::newRow("Cyrillic 810") << QByteArray("Ucyrl") << 810 << "047F 0456 0483";
    QTest::newRow("financial 10500") << QByteArray("Uhansfin") << 10500 << "58F9 4E07 96F6 4F0D 4F70";
    // The fourth page: the fact sheet's examples of the rows that are not
    // their script's consecutive digits, the alternation's own examples, and
    // a digit row or two (the others are checked against their digit values).
    const std::array<int, 7> sheetNumbers{0, 7, 19, 1994, 2026, 46363, 79999};
    // clang-format off
    const std::pair<const char*, std::array<const char*, 7>> fourthPage[] = {
        {"Uhanidec", {"3007", "4E03", "4E00 4E5D", "4E00 4E5D 4E5D 56DB", "4E8C 3007 4E8C 516D",
                      "56DB 516D 4E09 516D 4E09", "4E03 4E5D 4E5D 4E5D 4E5D"}},
        {"Usuzhou", {"3007", "3027", "3021 3029", "3021 3029 3029 3024", "3022 3007 3022 3026",
                     "3024 3026 3023 3026 3023", "3027 3029 3029 3029 3029"}},
        {"Usegment", {"1FBF0", "1FBF7", "1FBF1 1FBF9", "1FBF1 1FBF9 1FBF9 1FBF4", "1FBF2 1FBF0 1FBF2 1FBF6",
                      "1FBF4 1FBF6 1FBF3 1FBF6 1FBF3", "1FBF7 1FBF9 1FBF9 1FBF9 1FBF9"}},
    };
    // clang-format on
    for (const auto& [cell, codePoints] : fourthPage) {
        for (std::size_t i = 0; i < sheetNumbers.size(); ++i)
            QTest::addRow("%s %d", cell, sheetNumbers[i])
                << QByteArray(cell) << sheetNumbers[i] << QString::fromLatin1(codePoints[i]);
    }
    QTest::newRow("Ahom 1994") << QByteArray("Uahom") << 1994 << "11731 11739 11739 11734";
    QTest::newRow("Nyiakeng Hmong 46363") << QByteArray("Uhmnp") << 46363 << "1E144 1E146 1E143 1E146 1E143";
    QTest::newRow("Shan 2026") << QByteArray("Umymrshan") << 2026 << "1092 1090 1092 1096";
    QTest::newRow("Tham digits 1994") << QByteArray("Ulanatham") << 1994 << "1A91 1A99 1A99 1A94";
    // Suzhou: a 1, 2 or 3 after an upright one lies, the next stands again.
    QTest::newRow("Suzhou 12") << QByteArray("Usuzhou") << 12 << "3021 4E8C";
    QTest::newRow("Suzhou 21") << QByteArray("Usuzhou") << 21 << "3022 4E00";
    QTest::newRow("Suzhou 123") << QByteArray("Usuzhou") << 123 << "3021 4E8C 3023";
    QTest::newRow("Suzhou 1123") << QByteArray("Usuzhou") << 1123 << "3021 4E00 3022 4E09";
    QTest::newRow("Suzhou 11111") << QByteArray("Usuzhou") << 11111 << "3021 4E00 3021 4E00 3021";
    QTest::newRow("Suzhou 1401") << QByteArray("Usuzhou") << 1401 << "3021 3024 3007 3021";
    QTest::newRow("Suzhou 31") << QByteArray("Usuzhou") << 31 << "3023 4E00";
    QTest::newRow("Suzhou 34") << QByteArray("Usuzhou") << 34 << "3023 3024";
    for (const SheetExamples& system : kFifthPageExamples) {
        for (std::size_t i = 0; i < kSheetNumbers.size(); ++i)
            QTest::addRow("%s %d", system.cell, kSheetNumbers[i])
                << QByteArray(system.cell) << kSheetNumbers[i] << QString::fromLatin1(system.codePoints[i]);
    }
    // The sources' own examples, and where each system's range ends.
    const struct {
        const char* name;
        const char* cell;
        int n;
        const char* codePoints;
    } more[] = {
        {"Chinese 110", "Uhans", 110, "4E00 767E 4E00 5341"},
        {"Chinese 10010", "Uhans", 10010, "4E00 4E07 96F6 4E00 5341"},
        {"Chinese 20005", "Uhans", 20005, "4E8C 4E07 96F6 4E94"},
        {"Daiji 10", "Ujpanfin", 10, "58F1 62FE"},
        {"Daiji 110", "Ujpanfin", 110, "58F1 767E 58F1 62FE"},
        {"Daiji 10001", "Ujpanfin", 10001, "58F1 842C 58F1"},
        {"Trad. fin. 110", "Uhantfin", 110, "58F9 4F70 58F9 62FE"},
        {"Tangut 14", "Utang", 14, "17C17 17943"},
        {"Tangut 105", "Utang", 105, "18229 1829D 173C1"},
        {"Tangut 518", "Utang", 518, "173C1 1829D 17C17 1824B"},
        {"Tangut 2362", "Utang", 2362, "1736B 1785E 18555 1829D 17901 17C17 1736B"},
        {"Malayalam old 11", "Umlymold", 11, "0D70 0D67"},
        {"Malayalam old 110", "Umlymold", 110, "0D71 0D70"},
        {"Malayalam old 10099", "Umlymold", 10099, "0D70 0D72 0D6F 0D70 0D6F"},
        {"Glagolitic 16", "Uglag", 16, "2C05 2C0A"},
        {"Glagolitic 583", "Uglag", 583, "2C17 2C11 2C02"},
        {"Glagolitic 1280", "Uglag", 1280, "2C1D 2C14 2C11"},
        {"Glagolitic 1999", "Uglag", 1999, "2C1D 2C1C 2C12 2C08"},
        {"Glagolitic 2000", "Uglag", 2000, "-"},
        {"Abjad 1999", "Uabjad", 1999, "063A 0638 0635 0637"},
        {"Abjad 2000", "Uabjad", 2000, "-"},
        {"Kaktovik 20", "Ukakt", 20, "1D2C1 1D2C0"},
        {"Kaktovik 22", "Ukakt", 22, "1D2C1 1D2C2"},
        {"Kaktovik 800", "Ukakt", 800, "1D2C2 1D2C0 1D2C0"},
        {"Sumerian 120", "Uxsux", 120, "12416"},
        {"Sumerian 1200", "Uxsux", 1200, "1241F"},
        {"Sumerian 3600", "Uxsux", 3600, "122B9"},
        {"Sumerian 7200", "Uxsux", 7200, "12423"},
        {"Sumerian 72000", "Uxsux", 72000, "1242D"},
        {"Mende 10", "Umend", 10, "1E8C7 1E8D1"},
        {"Mende 11", "Umend", 11, "1E8C7 1E8D0"},
        {"Mende 21", "Umend", 21, "1E8C8 1E8D1 1E8C7"},
        {"Phoenician 100", "Uphnx", 100, "10916 10919"},
        {"Phoenician 340", "Uphnx", 340, "1091B 10919 10918 10918"},
        {"Phoenician 400", "Uphnx", 400, "1091B 10916 10919"},
        {"Phoenician 1000", "Uphnx", 1000, "-"},
        {"Parthian 9999", "Uprti", 9999,
         "10B5B 10B5B 10B58 10B5F 10B5B 10B5B 10B58 10B5E 10B5D 10B5D 10B5D 10B5D 10B5C 10B5B 10B5B 10B58"},
        {"Parthian 10000", "Uprti", 10000, "-"},
        {"Aramaic 100", "Uarmi", 100, "10858 1085D"},
        {"Rumi 999", "Urumi", 999, "10E7A 10E71 10E68"},
        {"Rumi 1000", "Urumi", 1000, "-"},
        {"Meroitic 79", "Umerc", 79, "109CF 109C8"},
        {"Meroitic 80", "Umerc", 80, "-"},
        {"Syriac 500", "Usyrc", 500, "072C 0729"},
        {"Syriac 9999", "Usyrc", 9999, "071B 0748 072C 072C 0729 0728 071B"},
        {"Syriac 10000", "Usyrc", 10000, "-"},
        {"Roman 4000", "Uromapos", 4000, "2180 2181"},
        {"Tally 50", "Utally", 50, "1D378 1D378 1D378 1D378 1D378 1D378 1D378 1D378 1D378 1D378"},
        {"Tally 51", "Utally", 51, ""},
        {"Tally zheng 50", "Uzheng", 50, "1D376 1D376 1D376 1D376 1D376 1D376 1D376 1D376 1D376 1D376"},
        {"Tally zheng 51", "Uzheng", 51, ""},
    };
    for (const auto& example : more)
        QTest::newRow(example.name) << QByteArray(example.cell) << example.n
                                    << QString::fromLatin1(example.codePoints);
}

void NumeralExamples::unicodeRows()
{
    QFETCH(QByteArray, cell);
    QFETCH(int, number);
    QFETCH(QString, codePoints);
    const UnicodeRow* row = FindUnicodeRow(cell.toStdString());
    QVERIFY(row != nullptr);
    QCOMPARE(CodePointsOf(row->build(number)), codePoints);
}

// The third page's builders write every character as Qt encodes it in UTF-8,
// at each length's bounds too.
void NumeralExamples::everyCodePointInUtf8()
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        std::string text;
        AppendCodePoint(text, c);
        if (QByteArray::fromStdString(text) != QStringView(QChar::fromUcs4(c)).toUtf8())
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper()));
    }
}

QTEST_APPLESS_MAIN(NumeralExamples)
#include "NumeralExamplesTest.moc"

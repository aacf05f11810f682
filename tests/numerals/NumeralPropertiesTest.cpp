// Properties of every row over the whole accepted range 0..79999: each
// caption reads back to its number with a reader written from the sign
// tables alone (the program's readers, signs/GlyphReaders.h; a plain digit row, by the sign it writes for 0),
// keeps its row's prefix and suffix, and uses exactly the codes its row declares.

#include "NumeralTestSupport.h"

#include "numerals/Roman.h"
#include "numerals/SharedBuilders.h"
#include "signs/GlyphReaders.h"

#include <QTest>

#include <functional>
#include <map>

using namespace signs;

namespace {

constexpr int kLargestNumber = 79999;

// Whether the body of n's caption reads back to n.
using ReadsBack = std::function<bool(int n, const GlyphString& body)>;

struct RowReading {
    const char* prefix;
    const char* suffix;
    ReadsBack readsBack;
};

ReadsBack NumberBy(std::optional<int> (*read)(const GlyphString&))
{
    return [read](int n, const GlyphString& body) { return read(body) == n; };
}

ReadsBack DigitsBy(std::optional<std::string> (*read)(const GlyphString&))
{
    return [read](int n, const GlyphString& body) { return read(body) == std::to_string(n); };
}

ReadsBack DigitsWithBase(int base)
{
    return
        [base](int n, const GlyphString& body) { return ReadDigitGlyphs(body, base) == std::to_string(n); };
}

ReadsBack ReversedDigitsWithBase(int base)
{
    return [base](int n, const GlyphString& body) {
        const std::string digits = std::to_string(n);
        return ReadDigitGlyphs(body, base) == std::string(digits.rbegin(), digits.rend());
    };
}

ReadsBack PlacesWithBase(int base, int radix)
{
    return [base, radix](int n, const GlyphString& body) { return ReadPositional(body, base, radix) == n; };
}

// Oxidilogi writes each decimal digit as a group; 6 and 15 share their
// codes, so the caption is checked group by group instead of read.
bool OxidilogiGroupsMatch(int n, const GlyphString& body)
{
    static const char* const groups[] = {"\xCF", "\xD0",     "\xD1",     "\xD2",     "\xD3",
                                         "\xD4", "\xD0\xD4", "\xD1\xD4", "\xD2\xD4", "\xD3\xD4"};
    std::string expected;
    for (char digit : std::to_string(n))
        expected += groups[digit - '0'];
    return body == expected;
}

// Armenian writes the ten-thousands with the units letters: 10000 * D
// alone reads like D.
bool ArmenianReadsBack(int n, const GlyphString& body)
{
    const std::optional<int> value = ReadArmenian(body);
    return value == n || (n % 10000 == 0 && value == n / 10000);
}

// Gothic thousands carry no mark: the letters add up to the count of
// thousands plus the rest below a thousand.
bool GothicAddsUp(int n, const GlyphString& body)
{
    return SumGothicLetters(body) == n / 1000 + n % 1000;
}

// The rows not written as one sign per digit of the number text, on the
// ten codes from the one that writes 0 (see DigitRowReading).
const std::map<std::string, RowReading>& RowReadings()
{
    static const std::map<std::string, RowReading> readings{
        {"P36", {" ", "", NumberBy(ReadAmharic)}},
        {"P27", {" ", "", NumberBy(ReadSanskrit)}},
        {"P40", {" ", "", ArmenianReadsBack}},
        {"P72", {" ", "", ReversedDigitsWithBase(110)}},
        {"P67", {" ", "", DigitsBy(ReadPostCode)}},
        {"P37", {" ", "", NumberBy(ReadAncientGreek)}},
        {"P39", {" ", "", NumberBy(ReadHeyarian)}},
        {"P28", {" ", "", NumberBy(ReadEgyptian)}},
        {"P38", {" ", "", NumberBy(ReadAttic)}},
        {"P66", {" ", "", DigitsBy(ReadLaotian)}},
        {"P61", {" ", "", DigitsBy(ReadFarsi)}},
        {"P42", {" ", "", NumberBy(ReadKanji)}},
        {"P64", {" ", "", NumberBy(ReadIonic)}},
        {"P62", {" ", "", NumberBy(ReadHebrew)}},
        {"P9", {" \xCF", "", OxidilogiGroupsMatch}},
        {"P18", {" \xE9", "\xEA", DigitsWithBase(223)}},
        {"P31", {"  ", "", PlacesWithBase(171, 25)}},
        {"P48", {"  ", "", PlacesWithBase(171, 16)}},
        {"P49", {"  ", "", PlacesWithBase(187, 16)}},
        {"P23", {"  ", "", PlacesWithBase(207, 16)}},
        {"P45", {"  ", "", PlacesWithBase(203, 4)}},
        {"P13", {" ", "", PlacesWithBase(105, 2)}},
        {"P4", {"  (", ")", PlacesWithBase(48, 12)}},
        {"P22", {" ", "", NumberBy(ReadMayaHieroglyphs)}},
        {"P53", {" ", "", NumberBy(ReadHungarianRunes)}},
        {"P14", {" ", "", NumberBy(ReadManchu)}},
        {"P41", {" ", "", GothicAddsUp}},
        {"P25", {" ", "", NumberBy(ReadSuzhou)}},
        {"P15", {" ", "", DigitsBy(ReadMorse)}},
    };
    return readings;
}

// A row that reads the text and is not listed above writes a blank, then
// one sign per digit: 0 as the row writes "0", and each digit d d codes on.
RowReading DigitRowReading(const TextRow& row)
{
    const GlyphString zero = row.build(0, "0");
    return {" ", "", DigitsWithBase(zero.empty() ? -1 : static_cast<unsigned char>(zero.back()))};
}

RowReading ReadingOf(const TextRow& row)
{
    const auto found = RowReadings().find(row.cell);
    return found != RowReadings().end() ? found->second : DigitRowReading(row);
}

bool StartsWith(const GlyphString& s, const std::string& prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const GlyphString& s, const std::string& suffix)
{
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

class NumeralProperties : public QObject {
    Q_OBJECT

private slots:
    void everyRowHasAReading();
    void rowReadsBackOverWholeRange_data();
    void rowReadsBackOverWholeRange();
    void rowReadsOnlyItsInput_data();
    void rowReadsOnlyItsInput();
    void romanReadsBackOverWholeRange();
    void baseDigitsReadBackInEveryRadix_data();
    void baseDigitsReadBackInEveryRadix();
};

void NumeralProperties::everyRowHasAReading()
{
    for (const TextRow& row : AllTextRows())
        QVERIFY2(RowReadings().count(row.cell) == 1 || row.input == RowInput::Text, row.cell);
    for (const auto& [cell, reading] : RowReadings())
        QVERIFY2(FindTextRow(cell) != nullptr, cell.c_str());
}

void NumeralProperties::rowReadsBackOverWholeRange_data()
{
    QTest::addColumn<QByteArray>("cell");
    for (const TextRow& row : AllTextRows())
        QTest::newRow(row.cell) << QByteArray(row.cell);
}

namespace {

// What is wrong with n's caption in a row, or nullptr when nothing is.
const char* CaptionFault(int n, const GlyphString& caption, const RowReading& reading,
                         const GlyphCodes& declared)
{
    const std::string prefix = reading.prefix, suffix = reading.suffix;
    if (!StartsWith(caption, prefix) || !EndsWith(caption, suffix)
        || caption.size() < prefix.size() + suffix.size())
        return "prefix or suffix missing";
    const GlyphString body = caption.substr(prefix.size(), caption.size() - prefix.size() - suffix.size());
    if (n > 0 && body.empty())
        return "empty body";
    if (!reading.readsBack(n, body))
        return "does not read back";
    GlyphCodes codes;
    AddCodesOf(codes, caption);
    if ((codes & ~declared).any())
        return "code outside the row's tables";
    return nullptr;
}

}  // namespace

void NumeralProperties::rowReadsBackOverWholeRange()
{
    QFETCH(QByteArray, cell);
    const TextRow& row = RowOf(cell.constData());
    const RowReading reading = ReadingOf(row);
    const GlyphCodes declared = CodesUsedBy(row);
    GlyphCodes used;
    for (int n = 0; n <= kLargestNumber; ++n) {
        const GlyphString caption = row.build(n, std::to_string(n));
        if (const char* fault = CaptionFault(n, caption, reading, declared))
            QFAIL(qPrintable(QString("n = %1: %2: %3").arg(n).arg(fault, CodesText(caption))));
        AddCodesOf(used, caption);
    }
    // Every declared code shows up for some number: the font needs them all.
    QCOMPARE(QString::fromStdString(used.to_string()), QString::fromStdString(declared.to_string()));
}

void NumeralProperties::rowReadsOnlyItsInput_data()
{
    rowReadsBackOverWholeRange_data();
}

void NumeralProperties::rowReadsOnlyItsInput()
{
    QFETCH(QByteArray, cell);
    const TextRow& row = RowOf(cell.constData());
    for (int n = 0; n <= kLargestNumber; n += 7) {
        const std::string text = std::to_string(n);
        const GlyphString caption = row.build(n, text);
        if (row.input == RowInput::Number)
            QCOMPARE(row.build(n, "$" + text + "x"), caption);
        else
            QCOMPARE(row.build((n + 4321) % (kLargestNumber + 1), text), caption);
    }
}

void NumeralProperties::romanReadsBackOverWholeRange()
{
    for (int n = 0; n <= kLargestNumber; ++n) {
        const std::string roman = RomanNumeral(n);
        const bool wellFormed = ReadRoman(roman) == n && roman.size() <= 21
            && roman.find_first_not_of("IVXLCDM'") == std::string::npos
            && (roman.find('\'') != std::string::npos) == (n >= 5000);
        if (!wellFormed)
            QFAIL(qPrintable(QString("%1 -> %2").arg(n).arg(QString::fromStdString(roman))));
    }
}

void NumeralProperties::baseDigitsReadBackInEveryRadix_data()
{
    QTest::addColumn<int>("base");
    for (int base : {0, 48, 105, 171, 200})
        QTest::addRow("base %d", base) << base;
}

void NumeralProperties::baseDigitsReadBackInEveryRadix()
{
    QFETCH(int, base);
    for (int radix = 2; radix <= 256 - base && radix <= 40; ++radix) {
        for (int n = 0; n <= kLargestNumber; n += 13) {
            const GlyphString digits = BaseDigits(n, base, radix);
            if (ReadPositional(digits, base, radix) != n)
                QFAIL(qPrintable(QString("%1 in radix %2: %3").arg(n).arg(radix).arg(CodesText(digits))));
        }
    }
}

QTEST_APPLESS_MAIN(NumeralProperties)
#include "NumeralPropertiesTest.moc"

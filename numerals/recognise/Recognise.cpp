#include "Recognise.h"

#include "DigitRows.h"
#include "Readers.h"

#include "numerals/text/RowText.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <map>
#include <optional>

namespace recognise {
namespace {

struct Registration {
    const char* cell;
    Reader read;
};

// The readers of the rows that do not write one sign a digit, by value
// cell: a reader reads the row's own text and the forms people write for
// its system. A digit row needs no line (its digits come from its text); a
// row may have more than one (Tamil also reads its traditional numerals).
constexpr Registration kReaders[] = {
    {"P37", &ReadGreekAcrophonic},  // Ancient Greek
    {"P28", &ReadEgyptian},
    {"P36", &ReadEthiopic},  // Amharic
    {"P40", &ReadArmenian},
    {"PB9", &ReadCuneiform},        // Assyrian
    {"P38", &ReadGreekAcrophonic},  // Attic
    {"P41", &ReadGothic},
    {"P62", &ReadHebrew},
    {"P64", &ReadGreekAlphabetic},  // Ionic
    {"P42", &ReadChinese},          // Kanji
    {"PB2", &ReadKorean},
    {"P14", &ReadManchu},
    {"PB7", &ReadMaya},
    {"l2", &ReadRoman},
    {"P27", &ReadAryabhata},     // Sanskrit
    {"P53", &ReadOldHungarian},  // Hungar.Runes
    {"P25", &ReadSuzhou},
    {"P69", &ReadTamilTraditional},  // Tamil
    {"Uaegean", &ReadAegean},
    {"Ubrahadd", &ReadBrahmiAdditive},  // Brahmi old
    {"Uhansfin", &ReadChineseFinancial},
    {"Ucopt", &ReadCoptic},
    {"Urods", &ReadCountingRods},
    {"Ucyrl", &ReadCyrillic},
    {"Ugeor", &ReadGeorgian},
    {"Ukhar", &ReadKharoshthi},
    {"Utaml", &ReadTamilTraditional},  // Tamil old
    // Number signs 4
    {"Usuzhou", &ReadSuzhouDigits},  // Suzhou digits
    // the fifth page
    {"Uabjad", &ReadAbjad},
    {"Uarmi", &ReadAramaic},
    {"Uhans", &ReadChineseEveryday},
    {"Uepact", &ReadCopticEpact},
    {"Ujpanfin", &ReadDaiji},
    {"Uglag", &ReadGlagolitic},
    {"Ukakt", &ReadKaktovik},
    {"Umlymold", &ReadMalayalamTraditional},
    {"Umedf", &ReadMedefaidrin},
    {"Umend", &ReadMende},
    {"Umerc", &ReadMeroitic},
    {"Uprti", &ReadParthian},
    {"Uphnx", &ReadPhoenician},
    {"Uromapos", &ReadRomanApostrophus},
    {"Urumi", &ReadRumi},
    {"Usinhold", &ReadSinhalaArchaic},
    {"Uxsux", &ReadSumerian},
    {"Usyrc", &ReadSyriac},
    {"Utally", &ReadTallyMarks},
    {"Uzheng", &ReadZhengTally},
    {"Utang", &ReadTangut},
    {"Uhantfin", &ReadChineseFinancial},  // Trad. fin.
};

struct RowReaders {
    std::string cell;
    std::optional<DigitRow> digits;  // read here unless they are a script's decimal digits
    std::vector<Reader> readers;
};

struct Rows {
    std::vector<RowReaders> rows;
    std::map<char32_t, std::vector<std::string>> byScriptZero;  // the rows that write a script's digits
};

// Every row the text layer writes as real text, with what reads it.
const Rows& AllRows()
{
    static const Rows all = [] {
        Rows rows;
        for (const std::string& cell : rowtext::Cells()) {
            if (rowtext::TextOf(cell, 1, "1").kind == rowtext::Kind::Described)
                continue;
            RowReaders row{cell, DigitRowOf(cell), {}};
            for (const Registration& r : kReaders) {
                if (cell == r.cell)
                    row.readers.push_back(r.read);
            }
            if (row.digits && row.digits->scriptZero != 0) {
                rows.byScriptZero[row.digits->scriptZero].push_back(cell);
                row.digits.reset();
            }
            if (row.digits || !row.readers.empty())
                rows.rows.push_back(std::move(row));
        }
        return rows;
    }();
    return all;
}

bool IsIgnoredAround(char32_t c)
{
    const auto u = static_cast<UChar32>(c);
    return u_isUWhiteSpace(u) || u_hasBinaryProperty(u, UCHAR_BIDI_CONTROL) || c == U'\uFEFF';
}

Text Trimmed(Text text)
{
    while (!text.empty() && IsIgnoredAround(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsIgnoredAround(text.back()))
        text.remove_suffix(1);
    return text;
}

// A full stop, comma, colon or semicolon after a numeral; brackets and
// quotation marks around it, as each language pairs them.
constexpr char32_t kStops[] = {U'.', U',', U':', U';', U'。'};
struct Enclosing {
    char32_t open;
    char32_t close;
};
constexpr Enclosing kEnclosing[] = {
    {U'(', U')'}, {U'[', U']'}, {U'{', U'}'}, {U'（', U'）'}, {U'"', U'"'},   {U'\'', U'\''}, {U'“', U'”'},
    {U'„', U'“'}, {U'„', U'”'}, {U'”', U'”'}, {U'‘', U'’'},   {U'‚', U'‘'},   {U'‚', U'’'},   {U'’', U'’'},
    {U'«', U'»'}, {U'»', U'«'}, {U'‹', U'›'}, {U'›', U'‹'},   {U'「', U'」'}, {U'『', U'』'}};

// The text without the stop after it, then without the brackets or
// quotation marks around it ("(MCMXCIV)."); the text itself where it has none.
Text WithoutPunctuation(Text text)
{
    if (!text.empty() && std::find(std::begin(kStops), std::end(kStops), text.back()) != std::end(kStops))
        text.remove_suffix(1);
    for (const Enclosing& e : kEnclosing) {
        if (text.size() >= 2 && text.front() == e.open && text.back() == e.close)
            return text.substr(1, text.size() - 2);
    }
    return text;
}

// Whether the text may be a numeral with the punctuation around it: one
// that ends in a full stop begins with a dot or a dash (Morse code's
// "....."; Cyrillic's numeral dots, ".ѕ."). No numeral begins with a
// bracket or a quotation mark.
bool MayBeANumeralAsItIs(Text text)
{
    return text.back() == U'.' && BeginsWithDotOrDash(text);
}

// A number read, with the decimal digits it was written with where a digit
// row reads them (leading zeros kept), for the comparison with the row's text.
struct Found {
    std::string cell;
    long long number;
    std::string digits;
    bool withoutMark = false;
    bool rewritten = false;  // read from Morse code's other dots and dashes: not the row's own form
};

void ReadDecimalDigits(Text text, std::vector<Found>& found)
{
    const std::optional<DecimalDigits> decimal = DecimalDigitsIn(text);
    if (!decimal)
        return;
    const long long n = ValueOfDigits(decimal->digits);
    const auto rows = AllRows().byScriptZero.find(decimal->zero);
    if (rows == AllRows().byScriptZero.end()) {
        found.push_back({std::string(), n, std::string()});
        return;
    }
    for (const std::string& cell : rows->second)
        found.push_back({cell, n, decimal->digits});
}

// The row's words as it writes them, in Morse code's other dots and dashes
// (`morse`, nullptr where the text has none), or without the row's mark.
void ReadDigitWords(const RowReaders& row, Text text, const std::u32string* morse, std::vector<Found>& found)
{
    std::string digits = DigitsInWords(*row.digits, text);
    const bool rewritten = digits.empty() && morse != nullptr;
    if (rewritten)
        digits = DigitsInWords(*row.digits, *morse);
    const bool withoutMark = digits.empty();
    if (withoutMark)
        digits = DigitsWithoutMark(*row.digits, text);
    if (!digits.empty())
        found.push_back({row.cell, ValueOfDigits(digits), digits, withoutMark, rewritten});
}

void ReadRows(Text text, std::vector<Found>& found)
{
    std::u32string morse;
    const std::u32string* otherMorse = AsDotsAndDashes(text, morse) ? &morse : nullptr;
    Numbers numbers;
    for (const RowReaders& row : AllRows().rows) {
        if (row.digits)
            ReadDigitWords(row, text, otherMorse, found);
        for (Reader read : row.readers) {
            numbers.clear();
            read(text, numbers);
            for (long long n : numbers)
                found.push_back({row.cell, n, std::string()});
        }
    }
}

// `utf8`: the text in UTF-8, encoded here the first time a reading needs it.
bool IsOwnForm(const Found& f, Text text, std::string& utf8)
{
    constexpr long long kLargestShown = 79999;
    if (f.cell.empty() || f.withoutMark || f.rewritten || f.number > kLargestShown)
        return false;
    if (utf8.empty())
        utf8 = Encoded(text);
    const int n = static_cast<int>(f.number);
    return rowtext::NumeralText(f.cell, n, f.digits.empty() ? std::to_string(n) : f.digits) == utf8;
}

// Adds every way the text reads to `numerals`, each row and number once;
// `whole`: the text is all that was written, and may be a row's own form.
void AddReadings(Text text, bool whole, std::vector<Numeral>& numerals)
{
    std::vector<Found> found;
    ReadDecimalDigits(text, found);
    ReadRows(text, found);
    std::string utf8;
    for (const Found& f : found) {
        const bool own = whole && IsOwnForm(f, text, utf8);
        const auto same = std::find_if(numerals.begin(), numerals.end(), [&](const Numeral& m) {
            return m.cell == f.cell && m.number == f.number;
        });
        if (same == numerals.end())
            numerals.push_back({f.cell, f.number, own, f.withoutMark});
        else
            same->ownForm = same->ownForm || own;
    }
}

std::vector<Numeral> RecogniseText(Text text)
{
    text = Trimmed(text);
    std::vector<Numeral> numerals;
    if (text.empty())
        return numerals;
    const Text inner = WithoutPunctuation(text);
    const bool punctuated = inner.size() < text.size();
    if (!punctuated || MayBeANumeralAsItIs(text))
        AddReadings(text, true, numerals);
    // A numeral that ends in its own dot ("....." in Morse code) loses a
    // sign without it: it is not read again.
    if (punctuated && !inner.empty() && numerals.empty())
        AddReadings(inner, false, numerals);
    return numerals;
}

}  // namespace

std::vector<Numeral> Recognise(std::string_view utf8)
{
    const std::u32string text = Decoded(utf8);
    return RecogniseText(text);
}

std::vector<Numeral> Recognise(std::u16string_view utf16)
{
    std::u32string text;
    text.reserve(utf16.size());
    const auto length = static_cast<int32_t>(utf16.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U16_NEXT(utf16.data(), i, length, c);
        text += static_cast<char32_t>(U_IS_SURROGATE(c) ? 0xFFFD : c);
    }
    return RecogniseText(text);
}

}  // namespace recognise

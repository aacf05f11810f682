// Writes the window's rows as a tab-separated table for the font and
// picture tools and the tests, which read it instead of keeping lists of
// their own. One line per row in display order, after a header line:
//
//   cell caption page column kind family height bold width family_step refresh_step codes values samples
//
// page 1, 2 or 3; column full, left or right; kind panel, label, paintbox
// or text; family, height and bold as the value cell draws ("-" and 0 for
// paint boxes); width the value cell's in pixels; the steps as in the row
// table (-1: none); codes every code the row's builder writes for
// 0..79999, as "first-last" runs; values "code=number" for each code that
// is, beside the blanks and marks every caption of the row carries, the
// whole caption of some number (the smallest such number); samples
// "text:codes" for a few number texts, separated by ";".
//
// A text row writes Unicode characters instead of codes: its codes are the
// units its texts are shaped in over 0..79999, each a character with the
// marks on it or joined to it, as hexadecimal code points ("0AE6",
// "0430+0483"); its samples "number:code points" ("-" for a number the
// system has no form for); it has no values ("-").

#include "rows/RowTable.h"
#include "numerals/TextRows.h"
#include "numerals/UnicodeRows.h"

#include <QChar>
#include <QList>
#include <QString>

#include <cstdio>
#include <iostream>
#include <set>
#include <map>
#include <string>

namespace {

constexpr int kLargestNumber = 79999;
constexpr const char* kSampleTexts[] = {"0", "7", "1234", "1994", "46362", "79999", "0079999"};
constexpr int kTextSamples[] = {0, 7, 15, 1994, 2026, 46363, 79999};

const char* ColumnName(RowColumn column)
{
    return column == RowColumn::FullWidth ? "full" : column == RowColumn::Left ? "left" : "right";
}

const char* KindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Panel:
        return "panel";
    case ValueKind::Label:
        return "label";
    case ValueKind::PaintBox:
        return "paintbox";
    case ValueKind::Text:
        break;
    }
    return "text";
}

int PageNumber(TabPage page)
{
    return int(page) + 1;
}

std::string Hex(char32_t c)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(c));
    return digits;
}

std::vector<char32_t> CodePointsOf(const std::string& utf8)
{
    const QList<uint> ucs4 = QString::fromStdString(utf8).toUcs4();
    return {ucs4.begin(), ucs4.end()};
}

// The units a text is shaped in: a character with the marks after it; a
// mark of the virama class (the Brahmi number joiner) also takes the
// character after it, with which the font makes one ligature.
std::vector<std::u32string> UnitsOf(const std::string& utf8)
{
    constexpr int kViramaClass = 9;
    std::vector<std::u32string> units;
    bool joinsNext = false;
    for (char32_t c : CodePointsOf(utf8)) {
        const bool mark = QChar::category(c) == QChar::Mark_NonSpacing;
        if (units.empty() || !(mark || joinsNext))
            units.emplace_back();
        units.back() += c;
        joinsNext = mark && QChar::combiningClass(c) == kViramaClass;
    }
    return units;
}

std::string ShapingUnits(const UnicodeRow& row)
{
    std::set<std::u32string> used;
    for (int n = 0; n <= kLargestNumber; ++n)
        for (const std::u32string& unit : UnitsOf(row.build(n).text))
            used.insert(unit);
    std::string text;
    for (const std::u32string& unit : used) {
        text += text.empty() ? "" : " ";
        for (std::size_t i = 0; i < unit.size(); ++i)
            text += (i > 0 ? "+" : "") + Hex(unit[i]);
    }
    return text;
}

std::string CodePointSamples(const UnicodeRow& row)
{
    std::string text;
    for (int n : kTextSamples) {
        const UnicodeNumeral numeral = row.build(n);
        std::string codes;
        for (char32_t c : CodePointsOf(numeral.text))
            codes += (codes.empty() ? "" : " ") + Hex(c);
        text += (text.empty() ? "" : ";") + std::to_string(n) + ':' + (numeral.hasForm ? codes : "-");
    }
    return text;
}

std::string Runs(const GlyphCodes& codes)
{
    std::string text;
    for (std::size_t first = 0; first < codes.size(); ++first) {
        if (!codes[first])
            continue;
        std::size_t last = first;
        while (last + 1 < codes.size() && codes[last + 1])
            ++last;
        text += (text.empty() ? "" : " ") + std::to_string(first);
        if (last > first)
            text += '-' + std::to_string(last);
        first = last;
    }
    return text;
}

// The codes every caption of 1..79999 carries: blanks, brackets, marks.
GlyphCodes Frame(const TextRow& row)
{
    GlyphCodes frame;
    frame.set();
    for (int n = 1; n <= kLargestNumber; ++n) {
        GlyphCodes codes;
        AddCodesOf(codes, row.build(n, std::to_string(n)));
        frame &= codes;
    }
    return frame;
}

std::string Values(const TextRow& row)
{
    const GlyphCodes frame = Frame(row);
    std::map<int, int> values;
    for (int n = 0; n <= kLargestNumber; ++n) {
        const GlyphString caption = row.build(n, std::to_string(n));
        std::string rest;
        for (unsigned char code : caption)
            if (!frame[code])
                rest += static_cast<char>(code);
        if (rest.size() == 1)
            values.emplace(static_cast<unsigned char>(rest[0]), n);
    }
    std::string text;
    for (const auto& [code, n] : values)
        text += (text.empty() ? "" : " ") + std::to_string(code) + '=' + std::to_string(n);
    return text;
}

std::string Codes(const GlyphString& caption)
{
    std::string text;
    for (unsigned char code : caption)
        text += (text.empty() ? "" : " ") + std::to_string(code);
    return text;
}

std::string Samples(const TextRow& row)
{
    std::string text;
    for (const char* sample : kSampleTexts) {
        const GlyphString caption = row.build(std::stoi(sample), sample);
        text += (text.empty() ? "" : ";") + std::string(sample) + ':' + Codes(caption);
    }
    return text;
}

void PrintRow(const RowSpec& row)
{
    std::cout << row.cell << '\t' << row.caption << '\t' << PageNumber(row.page) << '\t'
              << ColumnName(row.column) << '\t' << KindName(row.kind) << '\t'
              << (row.family ? row.family : "-") << '\t' << row.pixelHeight << '\t' << row.bold << '\t'
              << ValueCellWidth(row.column) << '\t' << row.familyStep << '\t' << row.refreshStep << '\t';
    if (const UnicodeRow* text = FindUnicodeRow(row.cell)) {
        std::cout << ShapingUnits(*text) << "\t-\t" << CodePointSamples(*text) << '\n';
        return;
    }
    const TextRow* builder = FindTextRow(row.cell);
    std::cout << (builder ? Runs(CodesUsedBy(*builder)) : "-") << '\t' << (builder ? Values(*builder) : "-")
              << '\t' << (builder ? Samples(*builder) : "-") << '\n';
}

}  // namespace

int main()
{
    std::cout << "cell\tcaption\tpage\tcolumn\tkind\tfamily\theight\tbold\twidth\tfamily_step\trefresh_step"
                 "\tcodes\tvalues\tsamples\n";
    for (const RowSpec& row : RowsInDisplayOrder())
        PrintRow(row);
    return std::cout.good() ? 0 : 1;
}

#include "SignBySign.h"

#include "GlyphReaders.h"
#include "SignTexts.h"

#include "numerals/recognise/Recognise.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

// What signs composed from a row's sign table read as: for a row written
// as real text, what the recogniser reads in that row (as typed text
// would); for a drawn row, the inverse of the row's builder: the values of
// the signs by the row's rule, then the numeral built again for that number
// must be the composed signs.

namespace signs {
namespace {

constexpr long long kLargest = 79999;

struct Pressed {
    std::vector<const TableEntry*> entries;  // in the order shown
    std::vector<const Sign*> signs;          // in the order pressed
};

Pressed PressedSigns(const RowFacts& row, const Table& table, const std::vector<int>& indices)
{
    Pressed pressed;
    pressed.entries.reserve(indices.size());
    pressed.signs.reserve(indices.size());
    for (int index : indices) {
        const std::size_t i = static_cast<std::size_t>(index);
        if (index < 0 || i >= table.signs.size())
            throw std::out_of_range("no sign " + std::to_string(index) + " in the row " + row.cell);
        if (table.entries[i].tokens.empty())
            continue;  // the mark the text begins with: the text has it anyway
        pressed.entries.push_back(&table.entries[i]);
        pressed.signs.push_back(&table.signs[i]);
    }
    if (row.visual && row.rightToLeft)
        std::reverse(pressed.entries.begin(), pressed.entries.end());
    return pressed;
}

// The tokens of the signs as shown, a row's separator between two digits;
// marks left out when `marks` is false.
Tokens ShownTokens(const RowShape& shape, const Pressed& pressed, bool marks)
{
    Tokens tokens;
    const TableEntry* previous = nullptr;
    for (const TableEntry* entry : pressed.entries) {
        if (!marks && entry->mark)
            continue;
        if (previous != nullptr && previous->digit && entry->digit)
            tokens.insert(tokens.end(), shape.separator.begin(), shape.separator.end());
        tokens.insert(tokens.end(), entry->tokens.begin(), entry->tokens.end());
        previous = entry;
    }
    return tokens;
}

std::string TextOf(const RowFacts& row, const Table& table, const Pressed& pressed, const Tokens& shown)
{
    if (row.means == Means::Codes && !row.described)
        return table.mark + CharacterText(row, Logical(row, shown));
    std::string text;
    for (const Sign* sign : pressed.signs) {
        if (row.described && !text.empty())
            text += ' ';
        text += sign->text;
    }
    const std::size_t first = text.find_first_not_of(' ');  // the gaps before the first place
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

Composed::Status StatusOf(long long number)
{
    return number > kLargest ? Composed::Status::BeyondRange : Composed::Status::Number;
}

void ReadText(const std::string& cell, Composed& composed)
{
    composed.status = Composed::Status::NoNumeral;
    const std::vector<recognise::Numeral> numerals = recognise::Recognise(composed.text);
    const recognise::Numeral* best = nullptr;
    for (const recognise::Numeral& numeral : numerals) {
        if (numeral.cell == cell && (best == nullptr || (numeral.ownForm && !best->ownForm)))
            best = &numeral;
    }
    if (best != nullptr) {
        composed.number = best->number;
        composed.status = StatusOf(best->number);
        composed.ownForm = best->ownForm;
    }
}

// Where a drawn glyph row has a reader (GlyphReaders.h), what it reads in the
// composed codes without the row's frame: nullopt for no numeral. A row
// without a reader is read by its rule alone.
struct ReaderResult {
    bool applies = false;
    std::optional<long long> number;
};

// A digit row's digits as consecutive codes from its zero's.
int DigitBase(const RowShape& shape)
{
    for (int d = 0; d < shape.radix; ++d) {
        const Tokens& digit = shape.digits[static_cast<std::size_t>(d)];
        if (digit.size() != 1
            || static_cast<unsigned char>(digit[0][0])
                != (static_cast<unsigned char>(shape.digits[0][0][0]) + d) % 256)
            return -1;
    }
    return static_cast<unsigned char>(shape.digits[0][0][0]);
}

ReaderResult ReadByReader(const RowFacts& row, const RowShape& shape, const std::string& codes)
{
    const auto asNumber = [](const std::optional<std::string>& digits) -> std::optional<long long> {
        if (!digits || digits->empty() || digits->size() > 6)
            return std::nullopt;
        return std::stoll(*digits);
    };
    if (row.means != Means::Codes)
        return {};
    if (row.cell == "P39")  // Heyarian reads its end marks too
        return {true, ReadHeyarian(Joined(shape.prefix).substr(1) + codes + Joined(shape.suffix))};
    if (row.cell == "P22")
        return {true, ReadMayaHieroglyphs(codes)};
    if (row.cell == "P67")
        return {true, asNumber(ReadPostCode(codes))};
    const int base = shape.byDigits ? DigitBase(shape) : -1;
    if (base < 0)
        return {};
    if (shape.rule.kind == rowtext::ReadingKind::Places)
        return {true, ReadPositional(codes, base, shape.radix)};
    return {true, asNumber(ReadDigitGlyphs(codes, base))};
}

// A drawn row: digits in the row's radix, or values added up (a multiplier
// multiplying the sign before it); then built again.
void ReadDrawn(const RowFacts& row, const RowShape& shape, const Table& table, const Pressed& pressed,
               Composed& composed)
{
    long long total = 0;
    long long last = 0;
    std::string digits;
    std::vector<const TableEntry*> logical = pressed.entries;
    if (row.visual && row.rightToLeft)
        std::reverse(logical.begin(), logical.end());
    for (const TableEntry* entry : logical) {
        const long long value = table.signs[static_cast<std::size_t>(entry - table.entries.data())].value;
        if (!table.signs[static_cast<std::size_t>(entry - table.entries.data())].role.empty())
            continue;
        if (entry->digit) {
            total = std::min(total * shape.radix + value, kLargest + 1);
            digits += static_cast<char>('0' + value % 10);
        } else if (entry->multiplier && last > 0) {
            total = std::min(total + last * (value - 1), kLargest + 1);
            last = 0;
        } else {
            total = std::min(total + value, kLargest + 1);
            last = value;
        }
    }
    const ReaderResult read = ReadByReader(row, shape, Joined(ShownTokens(shape, pressed, false)));
    if (read.applies && read.number && total <= kLargest)
        total = *read.number;
    composed.status =
        read.applies && !read.number && total <= kLargest ? Composed::Status::NoNumeral : StatusOf(total);
    if (composed.status != Composed::Status::Number)
        return;
    const int n = static_cast<int>(total);
    const std::string typed = row.readsText && shape.radix == 10 ? digits : std::string();
    const Tokens again = Signs(Body(shape, NumeralTokens(row, n, typed)));
    composed.ownForm = again == Signs(ShownTokens(shape, pressed, false));
    if (composed.ownForm)
        composed.number = total;
    else
        composed.status = Composed::Status::NoNumeral;
}

}  // namespace

Composed Compose(const std::string& cell, const std::vector<int>& signIndices)
{
    const RowFacts& row = FactsOf(cell);
    const RowShape& shape = ShapeOf(row);
    const Table& table = TableOf(cell);
    Composed composed;
    if (signIndices.empty())
        return composed;
    const Pressed pressed = PressedSigns(row, table, signIndices);
    const Tokens shown = ShownTokens(shape, pressed, true);
    composed.piece = PieceOf(shown, row.means);
    composed.text = TextOf(row, table, pressed, shown);
    if (row.described)
        ReadDrawn(row, shape, table, pressed, composed);
    else
        ReadText(cell, composed);
    return composed;
}

std::vector<int> NumeralSigns(const std::string& cell, int n)
{
    const RowFacts& row = FactsOf(cell);
    const RowShape& shape = ShapeOf(row);
    const Table& table = TableOf(cell);
    std::vector<int> indices;
    if (table.markSign >= 0)
        indices.push_back(table.markSign);
    if (!shape.byDigits) {
        std::vector<int> found = SignsIn(table, NumeralTokens(row, n));
        if (row.visual && row.rightToLeft)
            std::reverse(found.begin(), found.end());
        indices.insert(indices.end(), found.begin(), found.end());
        return indices;
    }
    if (table.prefixSign >= 0)
        indices.push_back(table.prefixSign);
    std::vector<int> digits;    // digit d is sign d
    if (shape.placePictures) {  // Maya's places, in a radix of their own
        for (const Group& group : BreakdownOf(cell, n).groups)
            digits.push_back(static_cast<int>(group.digit));
    }
    for (int rest = n; !shape.placePictures; rest /= shape.radix) {
        digits.insert(digits.begin(), rest % shape.radix);
        if (rest < shape.radix)
            break;
    }
    indices.insert(indices.end(), digits.begin(), digits.end());
    if (table.suffixSign >= 0)
        indices.push_back(table.suffixSign);
    return indices;
}

}  // namespace signs

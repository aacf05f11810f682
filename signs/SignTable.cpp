#include "SignTexts.h"

#include "numerals/text/FontCharacters.h"
#include "numerals/text/TextParts.h"
#include "numerals/text/Translatable.h"

#include <algorithm>
#include <map>
#include <set>

// Every sign a row writes, found from its numerals: a digit row's digits;
// otherwise each token of the numerals of some numbers (each digit times
// each power of ten and more), valued by the number it writes alone, or
// as the power of ten it multiplies a digit by; a token without a value is
// a mark, with its role.

namespace signs {
namespace {

struct MarkRole {
    const char* cell;
    const char* text;
    const char* role;
};

constexpr MarkRole kMarkRoles[] = {
    {"P34", "\u283C", TALLYRA_TRANSLATE_NOOP("RowText", "number sign")},
    {"l2", "'", TALLYRA_TRANSLATE_NOOP("RowText", "marks thousands")},
    {"P62", "\u05F3", TALLYRA_TRANSLATE_NOOP("RowText", "marks thousands")},
    {"P62", "\u05F4", TALLYRA_TRANSLATE_NOOP("RowText", "marks a numeral")},
    {"P64", "\u0375", TALLYRA_TRANSLATE_NOOP("RowText", "marks thousands")},
    {"P64", "\u0374", TALLYRA_TRANSLATE_NOOP("RowText", "marks a numeral")},
    {"Ucyrl", "\u0482", TALLYRA_TRANSLATE_NOOP("RowText", "marks thousands")},
    {"Ucyrl", "\u0483", TALLYRA_TRANSLATE_NOOP("RowText", "marks a numeral")},
    {"Ucopt", "\u0305", TALLYRA_TRANSLATE_NOOP("RowText", "marks a numeral")},
    {"Ucopt", "\u033F", TALLYRA_TRANSLATE_NOOP("RowText", "marks thousands")},
    {"Ubrahadd", "\U0001107F", TALLYRA_TRANSLATE_NOOP("RowText", "joins a count to its multiple")},
};

// A mark no role is known for.
constexpr const char* kMark = TALLYRA_TRANSLATE_NOOP("RowText", "mark");

const char* RoleOf(const std::string& cell, const std::string& text)
{
    for (const MarkRole& mark : kMarkRoles) {
        if (cell == mark.cell && text == mark.text)
            return mark.role;
    }
    return nullptr;
}

// The number every sign of a row shows up in: every number below 1000,
// each digit times each power of ten, every count of thousands.
std::vector<int> Samples()
{
    std::vector<int> samples;
    for (int n = 0; n < 1000; ++n)
        samples.push_back(n);
    for (int n = 1000; n <= 79999; n += 1000)
        samples.push_back(n);
    for (int n : {10000, 20000, 30000, 40000, 50000, 60000, 70000})
        for (int d = 1; d < 10; ++d)
            samples.push_back(n + d * 1111);
    samples.push_back(79999);
    return samples;
}

}  // namespace

std::string CharacterText(const RowFacts& row, const Tokens& logical)
{
    switch (row.means) {
    case Means::Text:
        return Joined(logical);
    case Means::Codes:
        return rowtext::TextOfCodes(row.cell, Joined(Logical(row, logical)));
    case Means::Pictures:
        break;
    }
    std::string text;
    int mayaValue = 0;
    for (const std::string& picture : logical) {
        if (const char* character = rowtext::CharacterOfPicture(picture))
            text += character;
        const std::size_t digits = picture.find_first_of("0123456789");
        mayaValue +=
            digits == std::string::npos || IsSpacing(picture) ? 0 : std::stoi(picture.substr(digits));
    }
    return row.cell == "PB7" ? rowtext::MayanNumeral(mayaValue) : text;
}

namespace {

class TableBuilder {
public:
    TableBuilder(const RowFacts& row, const RowShape& shape) : row_(row), shape_(shape) { }

    Table Build();

private:
    void AddDigits();
    void AddTokens();
    void ValueTokens(const std::vector<Tokens>& bodies);
    int AddMark(const Tokens& tokens, const std::string& text, const std::string& role);
    std::string SignText(const Tokens& tokens, long long value) const;

    std::string MarkOfText() const;

    const RowFacts& row_;
    const RowShape& shape_;
    std::vector<std::pair<Sign, TableEntry>> signs_;
    std::vector<std::pair<Sign, TableEntry>> marks_;
};

std::string TableBuilder::SignText(const Tokens& tokens, long long value) const
{
    return row_.described ? rowtext::SignDescription(row_.cell, value)
                          : CharacterText(row_, Logical(row_, tokens));
}

// The index of the mark among the marks.
int TableBuilder::AddMark(const Tokens& tokens, const std::string& text, const std::string& role)
{
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        if (marks_[i].second.tokens == tokens && marks_[i].first.role == role)
            return static_cast<int>(i);
    }
    Sign sign;
    sign.piece = PieceOf(tokens, row_.means);
    if (tokens.empty())
        sign.piece.text = text;
    sign.text = row_.described ? rowtext::MarkDescription(row_.cell, role) : text;
    sign.role = role;
    marks_.push_back({sign, TableEntry{tokens, false, false, true}});
    return static_cast<int>(marks_.size() - 1);
}

void TableBuilder::AddDigits()
{
    for (int d = 0; d < shape_.radix; ++d) {
        const Tokens& tokens = shape_.digits[static_cast<std::size_t>(d)];
        signs_.push_back({Sign{PieceOf(tokens, row_.means), SignText(tokens, d), d, std::string()},
                          TableEntry{tokens, false, true}});
    }
}

// Each token alone valued by the first number it writes alone (signs of
// zero and marks left out), else as the power of ten it multiplies a
// digit by; the rest are marks.
void TableBuilder::ValueTokens(const std::vector<Tokens>& bodies)
{
    std::vector<std::string> tokens;
    std::map<std::string, long long> values;
    std::set<std::string> marks, multipliers;
    for (const Tokens& body : bodies) {
        for (const std::string& token : Signs(body)) {
            if (std::find(tokens.begin(), tokens.end(), token) != tokens.end())
                continue;
            tokens.push_back(token);
            if (RoleOf(row_.cell, CharacterText(row_, {token})) != nullptr)
                marks.insert(token);
        }
    }
    const std::vector<int> samples = Samples();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        Tokens alone;
        for (const std::string& token : Signs(bodies[i])) {
            const auto it = values.find(token);
            if (marks.count(token) == 0 && (it == values.end() || it->second != 0))
                alone.push_back(token);
        }
        if (alone.size() == 1 && values.count(alone[0]) == 0)
            values[alone[0]] = samples[i];
    }
    for (const std::string& token : tokens) {
        if (values.count(token) != 0 || marks.count(token) != 0)
            continue;
        for (long long power = 10; power <= 10000 && values.count(token) == 0; power *= 10) {
            for (int d = 2; d < 10 && d * power <= 79999; ++d) {
                const Tokens digit = Signs(bodies[static_cast<std::size_t>(d)]);
                Tokens after = digit, before{token};
                after.push_back(token);
                before.insert(before.end(), digit.begin(), digit.end());
                const Tokens multiple = Signs(Body(shape_, NumeralTokens(row_, static_cast<int>(d * power))));
                if (multiple == after || multiple == before) {
                    values[token] = power;
                    multipliers.insert(token);
                    break;
                }
            }
        }
    }
    for (const std::string& token : tokens) {
        const std::string text = CharacterText(row_, {token});
        if (values.count(token) == 0) {
            const char* role = RoleOf(row_.cell, text);
            AddMark({token}, text, role != nullptr ? role : kMark);
            continue;
        }
        const long long value = values[token];
        signs_.push_back({Sign{PieceOf({token}, row_.means), SignText({token}, value), value, std::string()},
                          TableEntry{{token}, multipliers.count(token) != 0, false}});
    }
}

void TableBuilder::AddTokens()
{
    std::vector<Tokens> bodies;
    for (int n : Samples())
        bodies.push_back(Body(shape_, NumeralTokens(row_, n)));
    ValueTokens(bodies);
    for (const Tokens& body : bodies) {
        const Tokens signs = Signs(body);
        for (const std::string& token : body) {
            if (IsSpacing(token) && !signs.empty())
                AddMark({token}, " ", TALLYRA_TRANSLATE_NOOP("RowText", "separates places"));
        }
    }
}

// The mark a row's text begins with that its codes do not write
// (Braille's number sign): what the text of 1 has before its codes' text.
std::string TableBuilder::MarkOfText() const
{
    if (row_.means != Means::Codes || row_.described)
        return std::string();
    const std::string text = rowtext::NumeralText(row_.cell, 1, "1");
    const std::string codesText = rowtext::TextOfCodes(row_.cell, Joined(NumeralTokens(row_, 1)));
    const bool marked = text.size() > codesText.size()
        && text.compare(text.size() - codesText.size(), codesText.size(), codesText) == 0;
    return marked ? text.substr(0, text.size() - codesText.size()) : std::string();
}

Table TableBuilder::Build()
{
    if (shape_.byDigits)
        AddDigits();
    else
        AddTokens();
    std::stable_sort(signs_.begin(), signs_.end(),
                     [](const auto& a, const auto& b) { return a.first.value < b.first.value; });
    Table table;
    const auto markIndex = [this](const Tokens& tokens, const std::string& text, const std::string& role) {
        return static_cast<int>(signs_.size()) + AddMark(tokens, text, role);
    };
    const Tokens prefix = Signs(shape_.prefix);
    const Tokens suffix = Signs(shape_.suffix);
    const bool ends = !prefix.empty() && prefix == suffix;  // Heyarian's end marks
    if (!prefix.empty())
        table.prefixSign = markIndex(prefix, CharacterText(row_, Logical(row_, prefix)),
                                     ends ? TALLYRA_TRANSLATE_NOOP("RowText", "begins and ends the number")
                                          : TALLYRA_TRANSLATE_NOOP("RowText", "begins the number"));
    if (ends)
        table.suffixSign = table.prefixSign;
    else if (!suffix.empty())
        table.suffixSign = markIndex(suffix, CharacterText(row_, Logical(row_, suffix)),
                                     TALLYRA_TRANSLATE_NOOP("RowText", "ends the number"));
    table.mark = MarkOfText();
    if (!table.mark.empty()) {
        const char* role = RoleOf(row_.cell, table.mark);
        table.markSign = markIndex({}, table.mark, role != nullptr ? role : kMark);
    }
    for (const auto& list : {signs_, marks_}) {
        for (const auto& [sign, entry] : list) {
            table.signs.push_back(sign);
            table.entries.push_back(entry);
        }
    }
    return table;
}

}  // namespace

// Each table is built once for the translation installed (its signs'
// descriptions are in its words); one built for an earlier translation
// stays, as someone may still hold it.
const Table& TableOf(const std::string& cell)
{
    static std::map<std::pair<std::string, int>, Table> tables;
    const std::pair<std::string, int> key(cell, rowtext::TranslationsInstalled());
    auto it = tables.find(key);
    if (it == tables.end()) {
        const RowFacts& row = FactsOf(cell);
        it = tables.emplace(key, TableBuilder(row, ShapeOf(row)).Build()).first;
    }
    return it->second;
}

const std::vector<Sign>& SignTable(const std::string& cell)
{
    return TableOf(cell).signs;
}

}  // namespace signs

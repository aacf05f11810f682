#include "SignBySign.h"

#include "RowShape.h"
#include "SignTexts.h"

#include "numerals/text/TextParts.h"
#include "numerals/text/Translatable.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

// A numeral cut into the groups its reading names: digit by digit for a row
// that writes one sign per digit, at the gaps between places for Maya's and
// the Assyrian pictures, and otherwise into the decimal parts whose
// numerals, joined, give the numeral (the cuts of the text layer's group
// reading).

namespace signs {
namespace {

struct Cut {
    Tokens tokens;
    long long value = 0;
    long long digit = 0;
    long long place = 0;
};
using Cuts = std::vector<Cut>;

std::vector<int> DigitsIn(long long n, int radix)
{
    std::vector<int> digits;
    do {
        digits.insert(digits.begin(), static_cast<int>(n % radix));
        n /= radix;
    } while (n > 0);
    return digits;
}

// The digits of n, most significant first, each with its place.
Cuts DigitCuts(const RowShape& shape, int n)
{
    const std::vector<int> digits = DigitsIn(n, shape.radix);
    Cuts cuts(digits.size());
    long long place = 1;
    for (std::size_t i = digits.size(); i-- > 0; place *= shape.radix) {
        const int d = digits[i];
        cuts[i] = Cut{shape.digits[static_cast<std::size_t>(d)], d * place, d, place};
    }
    return cuts;
}

// Whether the cuts, a separator between two, are the body.
bool JoinTo(const Cuts& cuts, const Tokens& separator, const Tokens& body)
{
    auto at = body.begin();
    const auto take = [&at, &body](const Tokens& tokens) {
        if (static_cast<std::size_t>(body.end() - at) < tokens.size()
            || !std::equal(tokens.begin(), tokens.end(), at))
            return false;
        at += static_cast<std::ptrdiff_t>(tokens.size());
        return true;
    };
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        if ((i > 0 && !take(separator)) || !take(cuts[i].tokens))
            return false;
    }
    return at == body.end();
}

// Whether the cuts join to the body in the order given or reversed (a row
// that shows its least significant sign first); the cuts are then in that
// order, each separator with the cut before it.
bool Matches(Cuts& cuts, const Tokens& body, const Tokens& separator = {})
{
    if (!JoinTo(cuts, separator, body)) {
        std::reverse(cuts.begin(), cuts.end());
        if (!JoinTo(cuts, separator, body))
            return false;
    }
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
        cuts[i].tokens.insert(cuts[i].tokens.end(), separator.begin(), separator.end());
    return true;
}

Tokens Without(const Tokens& tokens, const Tokens& unread)
{
    Tokens kept;
    for (const std::string& token : tokens) {
        if (std::find(unread.begin(), unread.end(), token) == unread.end())
            kept.push_back(token);
    }
    return kept;
}

// The parts' numerals as the row writes them (largest first or smallest
// first), and their values.
struct Parts {
    std::vector<const Tokens*> tokens;
    std::vector<int> values;

    bool JoinTo(const Tokens& body) const
    {
        auto at = body.begin();
        for (const Tokens* part : tokens) {
            if (static_cast<std::size_t>(body.end() - at) < part->size()
                || !std::equal(part->begin(), part->end(), at))
                return false;
            at += static_cast<std::ptrdiff_t>(part->size());
        }
        return at == body.end();
    }
};

// The tokens of the body handed out to the parts, in their order: a token
// the reading leaves out goes with the part it stands in, or after.
Cuts HandedOut(const Tokens& body, const Parts& parts, const Tokens& unread)
{
    std::size_t part = 0;
    std::size_t taken = 0;
    Cuts cuts;
    cuts.reserve(parts.values.size());
    for (int value : parts.values)
        cuts.push_back(Cut{{}, value, 0, 0});
    for (const std::string& token : body) {
        const bool isUnread =
            !unread.empty() && std::find(unread.begin(), unread.end(), token) != unread.end();
        if (!isUnread && part < cuts.size() && taken == parts.tokens[part]->size()) {
            ++part;
            taken = 0;
        }
        cuts[std::min(part, cuts.size() - 1)].tokens.push_back(token);
        if (!isUnread)
            ++taken;
    }
    return cuts;
}

// What the breakdown of a row looks up again and again, kept: the numerals
// of the parts (without the signs the reading leaves out) and the texts of
// the groups (in the words of the translation installed when they were kept).
struct Kept {
    std::unordered_map<int, Tokens> parts;
    std::unordered_map<std::string, std::string> texts;
    int textsTranslation = 0;
};

Kept& KeptFor(const std::string& cell)
{
    static std::unordered_map<std::string, Kept> kept;
    return kept[cell];
}

const Tokens& PartTokens(const RowFacts& row, const RowShape& shape, int part, const Tokens& unread)
{
    Kept& kept = KeptFor(row.cell);
    auto it = kept.parts.find(part);
    if (it == kept.parts.end())
        it = kept.parts.emplace(part, Without(Body(shape, NumeralTokens(row, part)), unread)).first;
    return it->second;
}

std::string GroupText(const RowFacts& row, const Tokens& tokens)
{
    Kept& kept = KeptFor(row.cell);
    if (kept.textsTranslation != rowtext::TranslationsInstalled()) {
        kept.texts.clear();
        kept.textsTranslation = rowtext::TranslationsInstalled();
    }
    const std::string key = Joined(tokens);
    auto it = kept.texts.find(key);
    if (it == kept.texts.end())
        it = kept.texts.emplace(key, TextOfTokens(row, Logical(row, tokens))).first;
    return it->second;
}

Cuts PartCuts(const RowFacts& row, const RowShape& shape, int n, const Tokens& body)
{
    const Tokens unread = TokensOf(Piece{{}, shape.rule.unread, {}}, Means::Text);
    const Tokens wanted = unread.empty() ? body : Without(body, unread);
    for (const std::vector<int>& values : rowtext::DecimalCuts(n)) {
        Parts parts{{}, values};
        for (int part : values)
            parts.tokens.push_back(&PartTokens(row, shape, part, unread));
        if (values.empty())
            continue;
        if (!parts.JoinTo(wanted)) {
            std::reverse(parts.tokens.begin(), parts.tokens.end());
            std::reverse(parts.values.begin(), parts.values.end());
            if (!parts.JoinTo(wanted))
                continue;
        }
        return HandedOut(body, parts, unread);
    }
    return {Cut{body, n, 0, 0}};
}

// Maya's and the Assyrian pictures: cut at the gaps between places, each
// gap with the place before it, the gaps before the first place with it.
Cuts PlaceCuts(const RowFacts& row, int n, const Tokens& numeral)
{
    Cuts cuts(1);
    for (const std::string& token : numeral) {
        cuts.back().tokens.push_back(token);
        if (IsPlaceGap(numeral, token) && !Signs(cuts.back().tokens).empty())
            cuts.emplace_back();
    }
    if (Signs(cuts.back().tokens).empty() && cuts.size() > 1) {
        Tokens rest = cuts.back().tokens;
        cuts.pop_back();
        cuts.back().tokens.insert(cuts.back().tokens.end(), rest.begin(), rest.end());
    }
    const std::vector<PlaceDigit> places = PictureDigits(row.cell, n);
    if (places.size() != cuts.size())
        return {Cut{numeral, n, 0, 0}};
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        cuts[i].digit = places[i].digit;
        cuts[i].place = places[i].place;
        cuts[i].value = places[i].digit * places[i].place;
    }
    return cuts;
}

Cuts CutsOf(const RowFacts& row, const RowShape& shape, int n, const Tokens& numeral)
{
    if (shape.placePictures)
        return PlaceCuts(row, n, numeral);
    const Tokens body = Body(shape, numeral);
    if (shape.byDigits) {
        Cuts cuts = DigitCuts(shape, n);
        if (Matches(cuts, body, shape.separator))
            return cuts;
        return {Cut{body, n, 0, 0}};
    }
    const bool digitByDigit =
        shape.rule.kind == rowtext::ReadingKind::Digits || shape.rule.kind == rowtext::ReadingKind::Places;
    if (digitByDigit) {
        RowShape oneTokenEach = shape;
        oneTokenEach.radix = shape.rule.radix;
        const std::vector<int> digits = DigitsIn(n, oneTokenEach.radix);
        if (Signs(body).size() == digits.size() && body.size() == digits.size()) {
            Cuts cuts;
            long long place = 1;
            for (std::size_t i = digits.size(); i-- > 0; place *= oneTokenEach.radix)
                cuts.insert(cuts.begin(), Cut{{body[i]}, digits[i] * place, digits[i], place});
            return cuts;
        }
        return {Cut{body, n, 0, 0}};
    }
    return PartCuts(row, shape, n, body);
}

// The frame goes with the first and the last group, as shown.
void AddFrame(const RowShape& shape, Cuts& cuts)
{
    cuts.front().tokens.insert(cuts.front().tokens.begin(), shape.prefix.begin(), shape.prefix.end());
    cuts.back().tokens.insert(cuts.back().tokens.end(), shape.suffix.begin(), shape.suffix.end());
}

}  // namespace

Breakdown BreakdownOf(const std::string& cell, int n)
{
    const RowFacts& row = FactsOf(cell);
    const RowShape& shape = ShapeOf(row);
    const Tokens numeral = NumeralTokens(row, n);
    Breakdown breakdown;
    breakdown.rightToLeft = row.rightToLeft;
    breakdown.combine =
        shape.rule.kind == rowtext::ReadingKind::Digits || shape.rule.kind == rowtext::ReadingKind::Places
        ? Combine::Places
        : Combine::Sum;
    if (std::all_of(numeral.begin(), numeral.end(), IsSpacing)) {
        breakdown.noForm = true;
        breakdown.whatIsSaid = rowtext::TextOf(cell, n, std::to_string(n)).reading;
        return breakdown;
    }
    Cuts cuts = CutsOf(row, shape, n, numeral);
    if (!shape.placePictures && HasFrame(shape, numeral))
        AddFrame(shape, cuts);
    if (row.visual && row.rightToLeft)
        std::reverse(cuts.begin(), cuts.end());
    breakdown.groups.reserve(cuts.size());
    for (const Cut& cut : cuts) {
        Group group;
        group.piece = PieceOf(cut.tokens, row.means);
        group.text = GroupText(row, cut.tokens);
        group.value = cut.value;
        group.digit = cut.digit;
        group.place = cut.place;
        breakdown.groups.push_back(std::move(group));
    }
    if (breakdown.combine == Combine::Places && breakdown.groups.size() == 1 && cuts.front().place == 0)
        breakdown.combine = Combine::Sum;
    return breakdown;
}

}  // namespace signs

#include "SignTexts.h"

#include "numerals/text/TextParts.h"

namespace signs {

std::vector<int> SignsIn(const Table& table, const Tokens& tokens)
{
    std::vector<int> found;
    for (std::size_t at = 0; at < tokens.size();) {
        int best = -1;
        std::size_t bestSize = 0;
        for (std::size_t i = 0; i < table.entries.size(); ++i) {
            const Tokens& sign = table.entries[i].tokens;
            if (sign.size() > bestSize && at + sign.size() <= tokens.size()
                && std::equal(sign.begin(), sign.end(), tokens.begin() + static_cast<std::ptrdiff_t>(at))) {
                best = static_cast<int>(i);
                bestSize = sign.size();
            }
        }
        if (best >= 0)
            found.push_back(best);
        at += best >= 0 ? bestSize : 1;
    }
    return found;
}

std::string TextOfTokens(const RowFacts& row, const Tokens& logical)
{
    if (!row.described)
        return CharacterText(row, logical);
    const Table& table = TableOf(row.cell);
    std::string text;
    for (int index : SignsIn(table, Logical(row, logical))) {
        if (table.entries[static_cast<std::size_t>(index)].mark)
            continue;  // a group is named by its signs with values
        if (!text.empty())
            text += ' ';
        text += table.signs[static_cast<std::size_t>(index)].text;
    }
    return text;
}

std::vector<PlaceDigit> PictureDigits(const std::string& cell, int n)
{
    const rowtext::PlacesFunction placesOf = cell == "PB7" ? &rowtext::MayaPlaces : &rowtext::AssyrianPlaces;
    static const std::vector<int> maya = rowtext::PlaceValuesOf(&rowtext::MayaPlaces);
    static const std::vector<int> assyrian = rowtext::PlaceValuesOf(&rowtext::AssyrianPlaces);
    const std::vector<int>& values = cell == "PB7" ? maya : assyrian;
    const std::vector<rowtext::PicturePlace> places = placesOf(n);
    std::vector<PlaceDigit> digits;
    const std::size_t skipped = values.size() - std::min(values.size(), places.size());
    for (std::size_t i = 0; i < places.size() && skipped + i < values.size(); ++i)
        digits.push_back({places[i].value, values[skipped + i]});
    return digits;
}

}  // namespace signs

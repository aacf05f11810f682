#include "FontCharacters.h"
#include "TextParts.h"
#include "Translatable.h"

#include <algorithm>
#include <array>

namespace rowtext {
namespace {

constexpr const char* kMiddleDot = "\u00B7";
constexpr const char* kDozenalDigits[] = {"0", "1", "2", "3", "4",      "5",
                                          "6", "7", "8", "9", "\u218A", "\u218B"};  // TURNED DIGIT TWO, THREE

std::string DotJoined(const std::vector<int>& digits)
{
    std::vector<std::string> parts;
    for (int d : digits)
        parts.push_back(std::to_string(d));
    return Joined(parts, kMiddleDot);
}

struct PlaceName {
    const char* one;
    const char* many;
};
constexpr std::array<PlaceName, 5> kPlaceNames{
    {{TALLYRA_TRANSLATE_NOOP("RowText", "unit"), TALLYRA_TRANSLATE_NOOP("RowText", "units")},
     {TALLYRA_TRANSLATE_NOOP("RowText", "ten"), TALLYRA_TRANSLATE_NOOP("RowText", "tens")},
     {TALLYRA_TRANSLATE_NOOP("RowText", "hundred"), TALLYRA_TRANSLATE_NOOP("RowText", "hundreds")},
     {TALLYRA_TRANSLATE_NOOP("RowText", "thousand"), TALLYRA_TRANSLATE_NOOP("RowText", "thousands")},
     {TALLYRA_TRANSLATE_NOOP("RowText", "ten thousand"),
      TALLYRA_TRANSLATE_NOOP("RowText", "ten thousands")}}};

}  // namespace

std::string LabelledDigits(const std::string& digits, const char* label)
{
    return digits + " (" + Translated(label) + ")";
}

std::string InRadix(int n, int radix)
{
    std::string s;
    for (int d : DigitsIn(n, radix))
        s += "0123456789ABCDEF"[d];
    return Translated(TALLYRA_TRANSLATE_NOOP("RowText", "%1 (base %2)"), s, std::to_string(radix));
}

std::string DniDigits(int n)
{
    return Translated(TALLYRA_TRANSLATE_NOOP("RowText", "%1 (base %2)"), DotJoined(DigitsIn(n, 25)), "25");
}

std::string DozenalInBrackets(int n)
{
    std::string s = "(";
    for (int d : DigitsIn(n, 12))
        s += kDozenalDigits[d];
    return s + ")";
}

std::string CountingHands(const std::string& digits)
{
    std::vector<std::string> hands;
    for (char c : digits) {
        const int d = c - '0';
        hands.push_back(d > 5 ? "5 + " + std::to_string(d - 5) : std::to_string(d));
    }
    return Translated(TALLYRA_TRANSLATE_NOOP("RowText", "%1 as counting hands: %2 fingers"), digits,
                      Joined(hands, "; "));
}

std::string SemaphoreLetters(const std::string& digits)
{
    std::vector<std::string> letters;
    for (char c : digits)
        letters.emplace_back(1, c == '0' ? 'K' : static_cast<char>('A' + (c - '1')));
    return Joined(letters, " ");
}

// The row counts the last five characters of the text, units first.
std::string TallyByPlaces(const std::string& digits)
{
    std::vector<std::string> places;
    const std::size_t count = std::min(digits.size(), kPlaceNames.size());
    for (std::size_t i = 0; i < count; ++i) {
        const int d = digits[digits.size() - 1 - i] - '0';
        if (d > 0)
            places.push_back(std::to_string(d) + " "
                             + Translated(d == 1 ? kPlaceNames[i].one : kPlaceNames[i].many));
    }
    return places.empty() ? "0 " + Translated(kPlaceNames[0].many) : Joined(places, ", ");
}

// Five cells per digit at the end of the codes, 1 for a bar, 0 for a gap (a blank).
std::string BarPattern(const std::string& codes, std::size_t digitCount)
{
    const std::size_t cells = 5 * digitCount;
    const std::string shown = codes.size() >= cells ? codes.substr(codes.size() - cells) : codes;
    std::string s;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (i > 0 && i % 5 == 0)
            s += ' ';
        s += shown[i] == ' ' ? '0' : '1';
    }
    return s;
}

std::string MayaDotsAndBars(int n)
{
    const std::vector<int> digits = DigitsIn(n, 20);
    std::string s;
    for (int d : digits)
        s += MayanNumeral(d);
    return s + " (" + DotJoined(digits) + ")";
}

}  // namespace rowtext

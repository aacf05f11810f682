#include "GlyphReaders.h"

#include <array>
#include <climits>
#include <initializer_list>
#include <vector>

namespace signs {
namespace {

using Codes = std::vector<int>;

Codes CodesOf(const GlyphString& s)
{
    return Codes(reinterpret_cast<const unsigned char*>(s.data()),
                 reinterpret_cast<const unsigned char*>(s.data()) + s.size());
}

bool InRange(int code, int first, int last)
{
    return code >= first && code <= last;
}

// ---- Roman

// Matches the longest of the ten forms of one decimal place at pos.
int ReadRomanPlace(const std::string& s, std::size_t& pos, char unit, char five, char ten)
{
    const std::string u(1, unit), f(1, five), t(1, ten);
    const std::array<std::string, 10> forms{"", u,     u + u,     u + u + u,     u + f,
                                            f,  f + u, f + u + u, f + u + u + u, u + t};
    int digit = 0;
    for (int d = 1; d < 10; ++d) {
        const std::string& form = forms[static_cast<std::size_t>(d)];
        if (s.compare(pos, form.size(), form) == 0
            && form.size() > forms[static_cast<std::size_t>(digit)].size())
            digit = d;
    }
    pos += forms[static_cast<std::size_t>(digit)].size();
    return digit;
}

std::optional<int> ReadRomanBelowThousand(const std::string& s)
{
    std::size_t pos = 0;
    const int hundreds = ReadRomanPlace(s, pos, 'C', 'D', 'M');
    const int tens = ReadRomanPlace(s, pos, 'X', 'L', 'C');
    const int units = ReadRomanPlace(s, pos, 'I', 'V', 'X');
    if (pos != s.size())
        return std::nullopt;
    return hundreds * 100 + tens * 10 + units;
}

// ---- Additive

struct AdditiveSign {
    int code;
    int value;
    int maxRepeat;
};

using AdditiveSigns = std::initializer_list<AdditiveSign>;

const AdditiveSign* FindSign(AdditiveSigns signs, int code)
{
    for (const AdditiveSign& sign : signs) {
        if (sign.code == code)
            return &sign;
    }
    return nullptr;
}

// Signs with strictly falling values, each repeated at most maxRepeat times.
std::optional<int> ReadAdditive(const Codes& codes, AdditiveSigns signs)
{
    int total = 0;
    int lastValue = INT_MAX;
    int repeat = 0;
    for (int code : codes) {
        const AdditiveSign* sign = FindSign(signs, code);
        if (sign == nullptr || sign->value > lastValue)
            return std::nullopt;
        repeat = sign->value == lastValue ? repeat + 1 : 1;
        if (repeat > sign->maxRepeat)
            return std::nullopt;
        lastValue = sign->value;
        total += sign->value;
    }
    return total;
}

constexpr AdditiveSigns kRuneCountSigns{{125, 50, 1}, {124, 10, 4}, {123, 5, 1}, {122, 1, 4}};
constexpr AdditiveSigns kRuneSigns{{126, 100, 9}, {125, 50, 1}, {124, 10, 4}, {123, 5, 1}, {122, 1, 4}};

// ---- Digit texts

std::optional<std::string> ReadByTable(const Codes& codes, const std::array<int, 10>& table)
{
    std::string digits;
    for (int code : codes) {
        std::size_t d = 0;
        while (d < table.size() && table[d] != code)
            ++d;
        if (d == table.size())
            return std::nullopt;
        digits += static_cast<char>('0' + d);
    }
    return digits;
}

std::optional<std::string> ReadGroups(const Codes& codes, const std::array<std::string, 10>& patterns,
                                      int mark, std::size_t groupSize, int separator)
{
    std::string digits;
    const std::size_t step = groupSize + (separator >= 0 ? 1 : 0);
    if (codes.size() % step != 0)
        return std::nullopt;
    for (std::size_t i = 0; i < codes.size(); i += step) {
        std::string pattern;
        for (std::size_t k = 0; k < groupSize; ++k)
            pattern += codes[i + k] == mark ? '1' : '0';
        if (separator >= 0 && codes[i + groupSize] != separator)
            return std::nullopt;
        std::size_t d = 0;
        while (d < patterns.size() && patterns[d] != pattern)
            ++d;
        if (d == patterns.size())
            return std::nullopt;
        digits += static_cast<char>('0' + d);
    }
    return digits;
}

// ---- Multiplicative

struct PowerSign {
    int code;
    int value;
};

int PowerOf(std::initializer_list<PowerSign> powers, int code)
{
    for (const PowerSign& power : powers) {
        if (power.code == code)
            return power.value;
    }
    return 0;
}

// Digit 2..9 before a power sign, the digit 1 left out, the units digit alone.
std::optional<int> ReadMultiplier(const Codes& codes, int digitBase, std::initializer_list<PowerSign> powers)
{
    int total = 0;
    int pending = 0;
    int lastPower = INT_MAX;
    for (int code : codes) {
        if (InRange(code, digitBase + 1, digitBase + 9)) {
            if (pending != 0)
                return std::nullopt;
            pending = code - digitBase;
        } else if (const int power = PowerOf(powers, code); power != 0) {
            if (power >= lastPower || pending == 1)
                return std::nullopt;
            total += (pending != 0 ? pending : 1) * power;
            pending = 0;
            lastPower = power;
        } else {
            return std::nullopt;
        }
    }
    return total + pending;
}

}  // namespace

std::optional<int> ReadRoman(const std::string& roman)
{
    std::size_t rest = 0;
    int thousands = 0;
    if (const std::size_t mark = roman.find("'M"); mark != std::string::npos) {
        const std::optional<int> count = ReadRomanBelowThousand(roman.substr(0, mark));
        if (!count || *count < 5)
            return std::nullopt;
        thousands = *count;
        rest = mark + 2;
    } else {
        while (rest < roman.size() && roman[rest] == 'M' && thousands < 4) {
            ++thousands;
            ++rest;
        }
    }
    const std::optional<int> below = ReadRomanBelowThousand(roman.substr(rest));
    if (!below)
        return std::nullopt;
    return thousands * 1000 + *below;
}

std::optional<int> ReadPositional(const GlyphString& body, int base, int radix)
{
    const Codes codes = CodesOf(body);
    if (codes.empty() || (codes.size() > 1 && codes[0] == base))
        return std::nullopt;
    long long value = 0;
    for (int code : codes) {
        if (!InRange(code, base, base + radix - 1))
            return std::nullopt;
        value = value * radix + (code - base);
    }
    return value <= INT_MAX ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
}

std::optional<int> ReadMayaHieroglyphs(const GlyphString& body)
{
    // Digits 0..8 are 118..126, 9..19 are 160..170.
    GlyphString shifted;
    for (int code : CodesOf(body)) {
        if (InRange(code, 118, 126))
            shifted += GlyphCode(code - 118);
        else if (InRange(code, 160, 170))
            shifted += GlyphCode(code - 160 + 9);
        else
            return std::nullopt;
    }
    return ReadPositional(shifted, 0, 20);
}

std::optional<std::string> ReadDigitGlyphs(const GlyphString& body, int base)
{
    std::array<int, 10> table{};
    for (int d = 0; d < 10; ++d)
        table[static_cast<std::size_t>(d)] = (base + d) & 0xFF;
    return ReadByTable(CodesOf(body), table);
}

std::optional<std::string> ReadLaotian(const GlyphString& body)
{
    return ReadByTable(CodesOf(body), {121, 122, 123, 124, 125, 126, 249, 250, 251, 252});
}

std::optional<std::string> ReadFarsi(const GlyphString& body)
{
    return ReadByTable(CodesOf(body), {58, 59, 60, 61, 68, 69, 70, 65, 66, 67});
}

std::optional<std::string> ReadMorse(const GlyphString& body)
{
    // 1 = dot (183), 0 = dash (45); each group closed by a blank.
    const std::array<std::string, 10> patterns{"00000", "10000", "11000", "11100", "11110",
                                               "11111", "01111", "00111", "00011", "00001"};
    for (int code : CodesOf(body)) {
        if (code != 183 && code != 45 && code != 32)
            return std::nullopt;
    }
    return ReadGroups(CodesOf(body), patterns, 183, 5, 32);
}

std::optional<std::string> ReadPostCode(const GlyphString& body)
{
    const std::array<std::string, 10> patterns{"11100", "00111", "01011", "10011", "01101",
                                               "10101", "11001", "01110", "10110", "11010"};
    for (int code : CodesOf(body)) {
        if (code != 106 && code != 32)
            return std::nullopt;
    }
    return ReadGroups(CodesOf(body), patterns, 106, 5, -1);
}

std::optional<int> ReadEgyptian(const GlyphString& body)
{
    return ReadAdditive(CodesOf(body),
                        {{217, 10000, 9}, {216, 1000, 9}, {215, 100, 9}, {214, 10, 9}, {213, 1, 9}});
}

std::optional<int> ReadAttic(const GlyphString& body)
{
    return ReadAdditive(CodesOf(body),
                        {{222, 50000, 1},
                         {126, 10000, 4},
                         {221, 5000, 1},
                         {125, 1000, 4},
                         {220, 500, 1},
                         {124, 100, 4},
                         {219, 50, 1},
                         {122, 10, 4},
                         {218, 5, 1},
                         {120, 1, 4}});
}

std::optional<int> ReadAncientGreek(const GlyphString& body)
{
    return ReadAdditive(CodesOf(body),
                        {{126, 10000, 9},
                         {125, 1000, 9},
                         {124, 100, 9},
                         {123, 50, 1},
                         {122, 10, 4},
                         {121, 5, 1},
                         {120, 1, 4}});
}

std::optional<int> ReadHungarianRunes(const GlyphString& body)
{
    const Codes codes = CodesOf(body);
    Codes countPart, rest = codes;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == 160) {
            countPart.assign(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(i));
            rest.assign(codes.begin() + static_cast<std::ptrdiff_t>(i) + 1, codes.end());
            break;
        }
    }
    const bool hasThousands = rest.size() != codes.size();
    const std::optional<int> count = ReadAdditive(countPart, kRuneCountSigns);
    const std::optional<int> below = ReadAdditive(rest, kRuneSigns);
    if (!count || !below || (hasThousands && *count == 0) || *below >= 1000)
        return std::nullopt;
    return *count * 1000 + *below;
}

std::optional<int> ReadHeyarian(const GlyphString& body)
{
    Codes codes = CodesOf(body);
    if (codes.size() < 2 || codes.front() != 195 || codes.back() != 195)
        return std::nullopt;
    // Units first: read from the far end as an additive numeral.
    const Codes inner(codes.rbegin() + 1, codes.rend() - 1);
    return ReadAdditive(inner,
                        {{200, 10000, 9},
                         {199, 1000, 9},
                         {198, 100, 9},
                         {202, 50, 1},
                         {197, 10, 4},
                         {201, 5, 1},
                         {196, 1, 4}});
}

std::optional<int> ReadIonic(const GlyphString& body)
{
    const Codes c = CodesOf(body);
    const auto unitsAt = [&c](std::size_t i) {
        return i < c.size() && InRange(c[i], 202, 210) ? c[i] - 201 : 0;
    };
    std::size_t i = 0;
    int total = 0;
    if (unitsAt(0) >= 2 && c.size() > 1 && c[1] == 201) {
        total += unitsAt(0) * 10000;
        i = 2;
    } else if (!c.empty() && c[0] == 201) {
        total += 10000;
        i = 1;
    }
    if (i < c.size() && c[i] == ',') {
        if (unitsAt(i + 1) == 0)
            return std::nullopt;
        total += unitsAt(i + 1) * 1000;
        i += 2;
    }
    if (i < c.size() && InRange(c[i], 220, 228))
        total += (c[i++] - 219) * 100;
    if (i < c.size() && InRange(c[i], 211, 219))
        total += (c[i++] - 210) * 10;
    if (unitsAt(i) != 0)
        total += unitsAt(i++);
    return i == c.size() ? std::optional<int>(total) : std::nullopt;
}

namespace {

// A Hebrew number below a thousand in visual order (units, tens, hundreds),
// 15 and 16 only in their fixed forms.
std::optional<int> ReadHebrewPart(const Codes& c, bool hundredsAllowed)
{
    std::size_t i = 0;
    int value = 0;
    if (c.size() >= 2 && (c[0] == 178 || c[0] == 179) && c[1] == 181) {
        value = c[0] == 178 ? 15 : 16;
        i = 2;
    } else {
        if (i < c.size() && InRange(c[i], 173, 181))
            value += c[i++] - 172;
        if (i < c.size() && InRange(c[i], 182, 190))
            value += (c[i++] - 181) * 10;
        if (value == 15 || value == 16)
            return std::nullopt;
    }
    if (hundredsAllowed && i < c.size() && InRange(c[i], 191, 199))
        value += (c[i++] - 190) * 100;
    return i == c.size() ? std::optional<int>(value) : std::nullopt;
}

int ArmenianPlace(int code)
{
    return InRange(code, 61, 96) ? (code - 61) / 9 : -1;
}

int ArmenianValue(int code)
{
    int value = (code - 61) % 9 + 1;
    for (int place = ArmenianPlace(code); place > 0; --place)
        value *= 10;
    return value;
}

// The value of a Devanagari consonant in Aryabhata's numerals: the first
// 25 consonants count 1 to 25, the eight after them 30, 40, ..., 100.
std::optional<int> SanskritLetterValue(int c)
{
    if (InRange(c, 161, 185))
        return c - 160;
    if (InRange(c, 186, 193))
        return (c - 183) * 10;
    return std::nullopt;
}

}  // namespace

std::optional<int> ReadHebrew(const GlyphString& body)
{
    const Codes codes = CodesOf(body);
    Codes below = codes, thousands;
    bool marked = false;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == 200) {
            below.assign(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(i));
            thousands.assign(codes.begin() + static_cast<std::ptrdiff_t>(i) + 1, codes.end());
            marked = true;
            break;
        }
    }
    const std::optional<int> low = ReadHebrewPart(below, true);
    const std::optional<int> high = ReadHebrewPart(thousands, false);
    if (!low || !high || (marked && *high == 0))
        return std::nullopt;
    return *high * 1000 + *low;
}

std::optional<int> ReadArmenian(const GlyphString& body)
{
    const Codes c = CodesOf(body);
    std::size_t i = 0;
    int total = 0;
    int lastPlace = 4;
    if (c.size() > 1 && ArmenianPlace(c[0]) == 0) {
        total = ArmenianValue(c[0]) * 10000;
        i = 1;
    }
    for (; i < c.size(); ++i) {
        const int place = ArmenianPlace(c[i]);
        if (place < 0 || place >= lastPlace)
            return std::nullopt;
        total += ArmenianValue(c[i]);
        lastPlace = place;
    }
    return total;
}

std::optional<int> SumGothicLetters(const GlyphString& body)
{
    int total = 0;
    for (int code : CodesOf(body)) {
        if (!InRange(code, 58, 84))
            return std::nullopt;
        int value = (code - 58) % 9 + 1;
        for (int place = (code - 58) / 9; place > 0; --place)
            value *= 10;
        total += value;
    }
    return total;
}

std::optional<int> ReadAmharic(const GlyphString& body)
{
    const Codes c = CodesOf(body);
    int total = 0;
    int lastGroup = INT_MAX;
    for (std::size_t i = 0; i < c.size();) {
        int group = 0;
        if (InRange(c[i], 223, 231))
            group = c[i] - 222;
        else if (InRange(c[i], 232, 240))
            group = (c[i] - 231) * 10;
        else
            return std::nullopt;
        const int mark = i + 1 < c.size() ? c[i + 1] : 0;
        if (mark == 242 && group < 10)
            group *= 10000;
        else if (mark == 241)
            group *= 100;
        i += (mark == 241 || mark == 242) ? 2 : 1;
        if (group >= lastGroup)
            return std::nullopt;
        total += group;
        lastGroup = group;
    }
    return total;
}

std::optional<int> ReadKanji(const GlyphString& body)
{
    return ReadMultiplier(CodesOf(body), 96, {{109, 10000}, {108, 1000}, {107, 100}, {106, 10}});
}

std::optional<int> ReadSuzhou(const GlyphString& body)
{
    return ReadMultiplier(CodesOf(body), 61, {{33, 10000}, {34, 1000}, {35, 100}, {36, 10}});
}

std::optional<int> ReadManchu(const GlyphString& body)
{
    const Codes c = CodesOf(body);
    std::size_t i = 0;
    int total = 0;
    int lastPower = INT_MAX;
    while (i + 1 < c.size() && InRange(c[i + 1], 108, 110)) {
        const int power = c[i + 1] == 110 ? 10000 : c[i + 1] == 109 ? 1000 : 100;
        if (!InRange(c[i], 81, 89) || power >= lastPower)
            return std::nullopt;
        total += (c[i] - 80) * power;
        lastPower = power;
        i += 2;
    }
    if (i < c.size() && InRange(c[i], 100, 107)) {
        total += (c[i++] - 98) * 10;
        if (i < c.size() && InRange(c[i], 81, 89))
            total += c[i++] - 80;
    } else if (i < c.size() && InRange(c[i], 81, 99)) {
        total += c[i++] - 80;
    }
    return i == c.size() ? std::optional<int>(total) : std::nullopt;
}

std::optional<int> ReadSanskrit(const GlyphString& body)
{
    // Syllables: a consonant alone, the vowel sign i (160) before it (times
    // 100) or the vowel sign u (194) after it (times 10000). The values add
    // up and rise strictly from the lowest place first.
    const Codes c = CodesOf(body);
    int total = 0;
    int lastValue = 0;
    for (std::size_t i = 0; i < c.size();) {
        int factor = 1;
        if (c[i] == 160) {
            factor = 100;
            ++i;
        }
        const std::optional<int> letter = i < c.size() ? SanskritLetterValue(c[i]) : std::nullopt;
        if (!letter)
            return std::nullopt;
        ++i;
        if (factor == 1 && i < c.size() && c[i] == 194) {
            factor = 10000;
            ++i;
        }
        const int value = *letter * factor;
        if (value <= lastValue)
            return std::nullopt;
        total += value;
        lastValue = value;
    }
    return total;
}

}  // namespace signs

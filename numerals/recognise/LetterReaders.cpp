// Alphabets whose letters count: Hebrew, Greek (Ionic), Armenian, Gothic,
// and Aryabhata's consonants.

#include "Readers.h"

#include <array>

namespace recognise {
namespace {

// ---- Hebrew ----

constexpr std::u32string_view kHebrewLetters = U"אבגדהוזחטיכלמנסעפצקרשת";

// The final forms: 500..900 as the Hebrew row writes them, or at the end
// of a numeral the value of their letter (תש״ף = 780).
struct FinalLetter {
    char32_t letter;
    int high;
    int plain;
};
constexpr FinalLetter kFinals[] = {
    {U'ך', 500, 20}, {U'ם', 600, 40}, {U'ן', 700, 50}, {U'ף', 800, 80}, {U'ץ', 900, 90}};

bool IsGeresh(char32_t c)
{
    return c == U'\u05F3' || c == U'\'';
}

bool IsGershayim(char32_t c)
{
    return c == U'\u05F4' || c == U'"';
}

// The value of a letter, or of a final letter (-1 when c is neither).
int HebrewValue(char32_t c, bool last, bool plainFinal)
{
    for (const FinalLetter& f : kFinals) {
        if (f.letter == c)
            return last && plainFinal ? f.plain : f.high;
    }
    const std::size_t i = kHebrewLetters.find(c);
    return i == std::u32string_view::npos ? -1 : CountingLetter(i);
}

// Largest first, at most one tens letter and one units letter, except
// ט״ו and ט״ז for 15 and 16.
bool InHebrewOrder(const std::array<int, 64>& values, std::size_t count)
{
    int tens = 0;
    int units = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && values[i] > values[i - 1])
            return false;
        tens += PlaceOf(values[i]) == 1;
        units += PlaceOf(values[i]) == 0;
    }
    const bool fifteen =
        count >= 2 && values[count - 2] == 9 && (values[count - 1] == 6 || values[count - 1] == 7);
    return tens <= 1 && (units <= 1 || (units == 2 && fifteen));
}

// The numbers a run of letters stands for (a gershayim before the last
// letter allowed): one, or two when it ends in a final letter.
void HebrewGroup(Text text, Numbers& numbers)
{
    std::array<int, 64> values{};
    for (bool plainFinal : {false, true}) {
        std::size_t count = 0;
        bool endsFinal = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (IsGershayim(text[i]) && i + 2 == text.size() && i > 0)
                continue;
            const bool last = i + 1 == text.size();
            const int v = HebrewValue(text[i], last, plainFinal);
            if (v < 0 || count == values.size())
                return;
            endsFinal = endsFinal || (last && v != HebrewValue(text[i], last, !plainFinal));
            values[count++] = v;
        }
        if (count > 0 && (!plainFinal || endsFinal) && InHebrewOrder(values, count)) {
            long long sum = 0;
            for (std::size_t i = 0; i < count; ++i)
                sum += values[i];
            numbers.push_back(sum);
        }
    }
}

// ---- Greek ----

// α..ω with the archaic letters for 6, 90 and 900, then their capitals,
// then other forms of 6 (ϝ, final ς), 90 (ϟ) and 900 (ͳ).
constexpr std::u32string_view kGreekSmall = U"αβγδεϛζηθικλμνξοπϙρστυφχψωϡ";
constexpr std::u32string_view kGreekCapital = U"ΑΒΓΔΕϚΖΗΘΙΚΛΜΝΞΟΠϘΡΣΤΥΦΧΨΩϠ";
constexpr SignValue kGreekVariants[] = {{U'ϝ', 6},  {U'Ϝ', 6},   {U'ς', 6},  {U'ϟ', 90},
                                        {U'Ϟ', 90}, {U'ͳ', 900}, {U'Ͳ', 900}};
constexpr char32_t kMyriad = U'Μ';

// The keraia, and what is written in its place: the modifier prime, the
// tonos, the acute accent, the prime and the apostrophe.
bool IsKeraia(char32_t c)
{
    return c == U'\u0374' || c == U'\u02B9' || c == U'\u0384' || c == U'\u00B4' || c == U'\u2032'
        || c == U'\'';
}

int GreekValue(char32_t c)
{
    for (std::u32string_view letters : {kGreekSmall, kGreekCapital}) {
        const std::size_t i = letters.find(c);
        if (i != std::u32string_view::npos)
            return CountingLetter(i);
    }
    return ValueOf(kGreekVariants, c);
}

// The value of the letter at text[i] and how many characters it takes:
// στ (ΣΤ) is written for ϛ, 6.
int GreekValueAt(Text text, std::size_t i, std::size_t& length)
{
    const bool stigma = (text[i] == U'σ' || text[i] == U'Σ') && i + 1 < text.size()
        && (text[i + 1] == U'τ' || text[i + 1] == U'Τ');
    length = stigma ? 2 : 1;
    return stigma ? 6 : GreekValue(text[i]);
}

// The lower numeral sign, or a comma in its place before a letter (,α).
bool IsLowerNumeralSign(Text text, std::size_t i)
{
    return text[i] == kLowerNumeralSign
        || (text[i] == U',' && i + 1 < text.size() && GreekValue(text[i + 1]) > 0);
}

// One letter a place, largest first; ͵ before a letter counts it in
// thousands; a keraia may end the numeral. Where Μ is the myriad mark (as
// the Ionic row writes it), it multiplies what stands before it by 10000;
// otherwise Μ is the letter 40.
long long GreekNumber(Text text, bool myriadMark)
{
    long long total = 0;
    long long part = 0;
    int lastPlace = 99;
    bool thousands = false;
    bool myriads = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (IsKeraia(c) && i + 1 == text.size() && i > 0 && !thousands)
            break;
        if (IsLowerNumeralSign(text, i) && !thousands) {
            thousands = true;
            continue;
        }
        if (myriadMark && c == kMyriad && !thousands && !myriads) {
            total = (part == 0 ? 1 : part) * 10000;
            part = 0;
            lastPlace = 4;
            myriads = true;
            continue;
        }
        std::size_t length = 1;
        const int v = GreekValueAt(text, i, length);
        i += length - 1;
        const int place = v < 0 ? 99 : PlaceOf(v) + (thousands ? 3 : 0);
        if (place >= lastPlace)
            return -1;
        part += thousands ? v * 1000 : v;
        lastPlace = place;
        thousands = false;
    }
    return thousands || (lastPlace == 99 && !myriads) ? -1 : total + part;
}

// ---- Armenian, Gothic ----

constexpr char32_t kCombiningOverline = U'\u0305';

int ArmenianValue(char32_t c)
{
    const int capital = LetterValue(c, U'\u0531', 36);
    return capital > 0 ? capital : LetterValue(c, U'\u0561', 36);
}

// Letters whose places fall from left to right: their sum, or -1.
long long PlacesFalling(const long long* values, const int* places, std::size_t count)
{
    long long sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && places[i] >= places[i - 1])
            return -1;
        sum += values[i];
    }
    return sum;
}

int GothicValue(char32_t c)
{
    return LetterValue(c, U'\U00010330', 27);
}

constexpr std::size_t kLongestGothic = 6;  // three letters of thousands, three below

long long GothicGroup(const long long* values, std::size_t count)
{
    if (count == 0)
        return 0;
    std::array<int, kLongestGothic> places{};
    for (std::size_t i = 0; i < count; ++i)
        places[i] = PlaceOf(values[i]);
    return PlacesFalling(values, places.data(), count);
}

// ---- Aryabhata ----

int AryabhataValue(char32_t c)
{
    // क..म are 1..25 (न ऩ skipped: ऩ is no letter of its own), य..ह 30..100.
    if (c >= U'\u0915' && c <= U'\u092E' && c != U'\u0929')
        return static_cast<int>(c - U'\u0915') + (c > U'\u0929' ? 0 : 1);
    constexpr std::u32string_view kSemivowels = U"यरलवशषसह";
    const std::size_t i = kSemivowels.find(c);
    return i == std::u32string_view::npos ? -1 : 30 + 10 * static_cast<int>(i);
}

}  // namespace

void ReadHebrew(Text text, Numbers& numbers)
{
    std::size_t geresh = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsGeresh(text[i]) && geresh != text.size())
            return;
        if (IsGeresh(text[i]))
            geresh = i;
    }
    if (geresh == 0)
        return;
    if (geresh == text.size()) {
        HebrewGroup(text, numbers);
        return;
    }
    // Before the geresh the thousands; a lone letter with a geresh may also
    // be a numeral on its own (ה׳ = 5).
    Numbers thousands;
    HebrewGroup(text.substr(0, geresh), thousands);
    Numbers rest;
    if (geresh + 1 < text.size())
        HebrewGroup(text.substr(geresh + 1), rest);
    else
        rest.push_back(0);
    for (long long t : thousands) {
        for (long long r : rest)
            numbers.push_back(t * 1000 + r);
        if (geresh == 1 && geresh + 1 == text.size())
            numbers.push_back(t);
    }
}

void ReadGreekAlphabetic(Text text, Numbers& numbers)
{
    for (bool myriadMark : {false, true}) {
        if (myriadMark && text.find(kMyriad) == Text::npos)
            break;
        const long long n = GreekNumber(text, myriadMark);
        if (n >= 0)
            numbers.push_back(n);
    }
}

// The Armenian row writes the ten-thousands with the units letters: a
// units letter that does not stand last counts ten-thousands, and a lone
// one reads both ways. A letter with an overline counts ten-thousands too.
void ReadArmenian(Text text, Numbers& numbers)
{
    constexpr std::size_t kLongest = 10;
    std::array<long long, kLongest> values{};
    std::array<int, kLongest> places{};
    std::size_t count = 0;
    for (char32_t c : text) {
        if (c == kCombiningOverline && count > 0 && places[count - 1] < 4) {
            values[count - 1] *= 10000;
            places[count - 1] += 4;
            continue;
        }
        const int v = ArmenianValue(c);
        if (v < 0 || count == kLongest)
            return;
        values[count] = v;
        places[count++] = PlaceOf(v);
    }
    if (count == 1 && values[0] < 10)
        numbers.push_back(values[0] * 10000);
    if (count > 1 && values[0] < 10) {
        values[0] *= 10000;
        places[0] = 4;
    }
    const long long sum = PlacesFalling(values.data(), places.data(), count);
    if (sum > 0)
        numbers.push_back(sum);
}

// The Gothic row writes the count of thousands, then the rest below a
// thousand, each largest place first, with no mark between: every way to
// cut the letters into the two reads.
void ReadGothic(Text text, Numbers& numbers)
{
    if (text.size() > kLongestGothic)
        return;
    std::array<long long, kLongestGothic> values{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        values[i] = GothicValue(text[i]);
        if (values[i] < 0)
            return;
    }
    const long long whole = GothicGroup(values.data(), text.size());
    if (whole > 0)
        numbers.push_back(whole);
    for (std::size_t cut = 1; cut <= text.size(); ++cut) {
        const long long thousands = GothicGroup(values.data(), cut);
        const long long rest = GothicGroup(values.data() + cut, text.size() - cut);
        if (thousands > 0 && rest >= 0)
            numbers.push_back(thousands * 1000 + rest);
    }
}

// Aryabhata's letter numerals: each consonant has its value; the vowel
// sign ि after it multiplies it by 100, ु by 10000.
void ReadAryabhata(Text text, Numbers& numbers)
{
    long long n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = AryabhataValue(text[i]);
        if (v < 0)
            return;
        const char32_t vowel = i + 1 < text.size() ? text[i + 1] : 0;
        const int factor = vowel == U'\u093F' ? 100 : vowel == U'\u0941' ? 10000 : 1;
        i += factor > 1 ? 1 : 0;
        n = Plus(n, static_cast<long long>(v) * factor);
    }
    if (!text.empty())
        numbers.push_back(n);
}

}  // namespace recognise

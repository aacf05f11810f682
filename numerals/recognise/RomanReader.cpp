// Roman numerals as they are written: upper or lower case, the Unicode
// Roman numeral characters (Ⅻ, ⅯⅭⅯⅩⅭⅣ, ↂ), letters with a combining
// overline counting thousands (X̅L̅V̅I̅CCCLXIII), and the Roman row's own
// thousands mark (XLVI'MCCCLXIII).

#include "Readers.h"

#include <iterator>
#include <string>

namespace recognise {
namespace {

constexpr char32_t kOverline = U'\u0305';

// Letters beyond M stand for the apostrophus signs: P ↁ 5000, Q ↂ 10000,
// R ↇ 50000, S ↈ 100000.
struct Decade {
    long long unit;
    char one;
    char five;  // 0: none
    char ten;   // 0: none
};
constexpr Decade kDecades[] = {{100000, 'S', 0, 0},  {10000, 'Q', 'R', 'S'}, {1000, 'M', 'P', 'Q'},
                               {100, 'C', 'D', 'M'}, {10, 'X', 'L', 'C'},    {1, 'I', 'V', 'X'}};

// The letters of U+2160..U+216F (and of their small forms U+2170..U+217F).
constexpr const char* kNumberForms[] = {"I",  "II", "III", "IV",  "V", "VI", "VII", "VIII",
                                        "IX", "X",  "XI",  "XII", "L", "C",  "D",   "M"};
constexpr const char* kApostrophus[] = {"M", "P", "Q", "VI",
                                        "L", "R", "S"};  // U+2180, U+2181, U+2182, U+2185..U+2188

// The letters a character writes, or nullptr.
const char* LettersOf(char32_t c)
{
    static constexpr const char* kLetters[] = {"I", "V", "X", "L", "C", "D", "M"};
    const std::string_view ascii = "IVXLCDM";
    const char32_t upper = c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
    if (upper < 0x80 && ascii.find(static_cast<char>(upper)) != std::string_view::npos)
        return kLetters[ascii.find(static_cast<char>(upper))];
    if (c >= U'\u2160' && c <= U'\u217F')
        return kNumberForms[(c - U'\u2160') % 16];
    if (c >= U'\u2180' && c <= U'\u2182')
        return kApostrophus[c - U'\u2180'];
    if (c >= U'\u2185' && c <= U'\u2188')
        return kApostrophus[c - U'\u2185' + 3];
    return nullptr;
}

// A numeral without marks, decade by decade from the largest: in each, a
// five and up to four ones (any number of thousands), or one before its
// five or ten (IV, IX). Empty letters are 0; -1 when they are no numeral.
long long ValueOfLetters(std::string_view s)
{
    std::size_t i = 0;
    long long total = 0;
    for (const Decade& d : kDecades) {
        const char next = i + 1 < s.size() ? s[i + 1] : 0;
        if (i < s.size() && s[i] == d.one && next != 0 && (next == d.five || next == d.ten)) {
            total += (next == d.ten ? 9 : 4) * d.unit;
            i += 2;
            continue;
        }
        if (i < s.size() && d.five != 0 && s[i] == d.five) {
            total += 5 * d.unit;
            ++i;
        }
        long long ones = 0;
        for (; i < s.size() && s[i] == d.one; ++i)
            ++ones;
        if (ones > 4 && d.unit < 1000)
            return -1;
        total = Plus(total, Times(ones, d.unit));
    }
    return i == s.size() ? total : -1;
}

// The reversed C of the apostrophus: capital (U+2183 and its look-alike
// U+0186) and small (U+2184, U+0254).
int ReversedC(char32_t c)
{
    return c == U'\u2183' || c == U'\u0186' ? 'C' : c == U'\u2184' || c == U'\u0254' ? 'c' : 0;
}

// I with k reversed C after it is 5 × 10^(k+1) (IↃ 500, IↃↃ 5000); with k
// C before it as well, 10^(k+2) (CIↃ 1000, CCIↃↃ 10000): the letter each
// stands for, k from 1.
constexpr const char* kHalves[] = {"D", "P", "R"};
constexpr const char* kWholes[] = {"M", "Q", "S"};

bool IsApostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019';
}

// The letters of the text and where its thousands end: after the
// overlined letters, or at the row's mark 'M.
struct Letters {
    std::string letters;
    std::size_t thousands = 0;
    bool ok = true;
};

// Adds the apostrophus sign whose I stands at text[i] (with the C before
// it, already among the letters) and moves i to its last reversed C.
// Gives where the sign's letter starts among the letters.
std::size_t AddApostrophus(Text text, std::size_t& i, Letters& result)
{
    const int reversed = text[i] == U'I' ? 'C' : 'c';
    std::size_t k = 0;
    for (; i + 1 < text.size() && ReversedC(text[i + 1]) == reversed; ++i)
        ++k;
    std::string& letters = result.letters;
    std::size_t before = 0;  // the C before the I (after the thousands' end), up to k
    while (before < k && letters.size() - before > result.thousands
           && letters[letters.size() - 1 - before] == 'C')
        ++before;
    result.ok = result.ok && k >= 1 && k <= std::size(kHalves);
    if (!result.ok)
        return letters.size();
    letters.resize(letters.size() - (before == k ? k : 0));
    const std::size_t start = letters.size();
    letters += before == k ? kWholes[k - 1] : kHalves[k - 1];
    return start;
}

Letters LettersIn(Text text)
{
    Letters result;
    bool upper = false;
    bool lower = false;
    bool marked = false;
    std::size_t lastStart = 0;
    for (std::size_t i = 0; i < text.size() && result.ok; ++i) {
        const char32_t c = text[i];
        if (c == kOverline) {
            // The overlined letters come first, one overline each.
            result.ok = !marked && lastStart == result.thousands && lastStart < result.letters.size();
            result.thousands = result.letters.size();
        } else if (IsApostrophe(c) && i + 1 < text.size() && (text[i + 1] == U'M' || text[i + 1] == U'm')) {
            result.ok = !marked && result.thousands == 0 && !result.letters.empty();
            result.thousands = result.letters.size();
            marked = true;
            ++i;
        } else if ((c == U'I' || c == U'i') && i + 1 < text.size() && ReversedC(text[i + 1]) != 0) {
            upper = upper || c == U'I';
            lower = lower || c == U'i';
            lastStart = AddApostrophus(text, i, result);
        } else if (const char* letters = LettersOf(c)) {
            upper = upper || (c >= U'A' && c <= U'Z');
            lower = lower || (c >= U'a' && c <= U'z');
            lastStart = result.letters.size();
            result.letters += letters;
        } else {
            result.ok = false;
        }
    }
    result.ok = result.ok && !result.letters.empty() && !(upper && lower);
    return result;
}

}  // namespace

void ReadRoman(Text text, Numbers& numbers)
{
    const Letters l = LettersIn(text);
    if (!l.ok)
        return;
    const std::string_view all = l.letters;
    const long long thousands = ValueOfLetters(all.substr(0, l.thousands));
    const long long rest = ValueOfLetters(all.substr(l.thousands));
    if (thousands >= 0 && rest >= 0 && (l.thousands == 0 || thousands > 0))
        numbers.push_back(Plus(Times(thousands, 1000), rest));
}

// The Roman numerals with the old signs for the thousands, as the row
// writes them: I V X L C D in either case and ↀ ↁ ↂ ↇ ↈ, no M (which those
// signs replace), no overline or thousands mark.
void ReadRomanApostrophus(Text text, Numbers& numbers)
{
    constexpr std::u32string_view kLetters = U"IVXLCDivxlcd\u2180\u2181\u2182\u2187\u2188";
    for (char32_t c : text) {
        if (kLetters.find(c) == std::u32string_view::npos)
            return;
    }
    ReadRoman(text, numbers);
}

}  // namespace recognise

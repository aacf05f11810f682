#include "DigitSystems.h"

#include "SharedBuilders.h"

#include <array>

namespace {

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

int CharacterCode(char c)
{
    return static_cast<unsigned char>(c);
}

// A row whose digits fall into two code ranges: the digits named in
// firstRangeDigits are c - 48 + firstBase, everything else c - 48 + otherBase.
struct SplitDigitSystem {
    const char* firstRangeDigits;
    int firstBase;
    int otherBase;
};

constexpr SplitDigitSystem kLaotian{"012345", 121, 243};
constexpr SplitDigitSystem kFarsi{"0123789", 58, 64};

bool InFirstRange(const SplitDigitSystem& system, char c)
{
    for (const char* d = system.firstRangeDigits; *d != '\0'; ++d) {
        if (*d == c)
            return true;
    }
    return false;
}

int SplitDigitCode(const SplitDigitSystem& system, char c)
{
    const int base = InFirstRange(system, c) ? system.firstBase : system.otherBase;
    return CharacterCode(c) - kDigitZero + base;
}

GlyphString SplitDigitNumeral(const SplitDigitSystem& system, const std::string& t)
{
    GlyphString caption(1, ' ');
    for (char c : t)
        caption += GlyphCode(SplitDigitCode(system, c));
    return caption;
}

GlyphCodes SplitDigitCodes(const SplitDigitSystem& system)
{
    GlyphCodes codes;
    codes.set(' ');
    for (char c = '0'; c <= '9'; ++c)
        codes.set(static_cast<std::size_t>(SplitDigitCode(system, c) & 0xFF));
    return codes;
}

constexpr int kNkoBase = 110;
constexpr int kGorwelionBase = 223;
constexpr int kGorwelionOpen = 233;
constexpr int kGorwelionClose = 234;

// International Morse code of the digits 0..9.
constexpr std::array<const char*, 10> kMorseDigits{"-----", ".----", "..---", "...--", "....-",
                                                   ".....", "-....", "--...", "---..", "----."};
constexpr int kMorseDot = 183;
constexpr int kMorseDash = 45;

// Post code cells of the digits 0..9, leftmost first: 1 bar, 0 gap.
constexpr std::array<const char*, 10> kPostCodeCells{"11100", "00111", "01011", "10011", "01101",
                                                     "10101", "11001", "01110", "10110", "11010"};
constexpr int kPostCodeBar = 'j';
constexpr int kPostCodeGap = ' ';

}  // namespace

GlyphString NkoNumeral(const std::string& t)
{
    return DigitGlyphsReversed(t, kNkoBase);
}

GlyphCodes NkoCodes()
{
    return DigitGlyphsCodes(kNkoBase);
}

GlyphString GorwelionNumeral(const std::string& t)
{
    GlyphString digits = DigitGlyphs(t, kGorwelionBase);
    digits.erase(0, 1);
    GlyphString caption{' ', GlyphCode(kGorwelionOpen)};
    caption += digits;
    caption += GlyphCode(kGorwelionClose);
    return caption;
}

GlyphCodes GorwelionCodes()
{
    GlyphCodes codes = DigitGlyphsCodes(kGorwelionBase);
    codes.set(kGorwelionOpen);
    codes.set(kGorwelionClose);
    return codes;
}

GlyphString LaotianNumeral(const std::string& t)
{
    return SplitDigitNumeral(kLaotian, t);
}

GlyphCodes LaotianCodes()
{
    return SplitDigitCodes(kLaotian);
}

GlyphString FarsiNumeral(const std::string& t)
{
    return SplitDigitNumeral(kFarsi, t);
}

GlyphCodes FarsiCodes()
{
    return SplitDigitCodes(kFarsi);
}

GlyphString MorseCode(const std::string& t)
{
    GlyphString caption(1, ' ');
    for (char c : t) {
        if (IsDecimalDigit(c)) {
            for (const char* mark = kMorseDigits[c - kDigitZero]; *mark != '\0'; ++mark)
                caption += GlyphCode(*mark == '.' ? kMorseDot : kMorseDash);
        }
        caption += ' ';
    }
    return caption;
}

GlyphCodes MorseCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    codes.set(kMorseDot);
    codes.set(kMorseDash);
    return codes;
}

GlyphString PostCodeBars(const std::string& t)
{
    GlyphString caption(1, ' ');
    for (char c : t) {
        if (!IsDecimalDigit(c))
            continue;
        for (const char* cell = kPostCodeCells[c - kDigitZero]; *cell != '\0'; ++cell)
            caption += GlyphCode(*cell == '1' ? kPostCodeBar : kPostCodeGap);
    }
    return caption;
}

GlyphCodes PostCodeCodes()
{
    GlyphCodes codes;
    codes.set(kPostCodeGap);
    codes.set(kPostCodeBar);
    return codes;
}

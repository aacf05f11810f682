#include "UnicodeAlphabets.h"

#include <array>

namespace {

// The letter of digit d (1..9) in a place is [place][d - 1]; places from the units up.
using Letters = std::array<std::array<char32_t, 9>, 3>;

constexpr Letters kAbjad{{
    {0x0627, 0x0628, 0x062C, 0x062F, 0x0647, 0x0648, 0x0632, 0x062D, 0x0637},
    {0x064A, 0x0643, 0x0644, 0x0645, 0x0646, 0x0633, 0x0639, 0x0641, 0x0635},
    {0x0642, 0x0631, 0x0634, 0x062A, 0x062B, 0x062E, 0x0630, 0x0636, 0x0638},
}};
constexpr char32_t kAbjadThousand = 0x063A;  // غ

constexpr Letters kGlagolitic{{
    {0x2C00, 0x2C01, 0x2C02, 0x2C03, 0x2C04, 0x2C05, 0x2C06, 0x2C07, 0x2C08},
    {0x2C0A, 0x2C0B, 0x2C0C, 0x2C0D, 0x2C0E, 0x2C0F, 0x2C10, 0x2C11, 0x2C12},
    {0x2C13, 0x2C14, 0x2C15, 0x2C16, 0x2C17, 0x2C18, 0x2C19, 0x2C1B, 0x2C1C},
}};
constexpr char32_t kGlagoliticThousand = 0x2C1D;  // Ⱍ

// The hundreds above 400 are ܬ (400) and the letter of the rest.
constexpr Letters kSyriac{{
    {0x0710, 0x0712, 0x0713, 0x0715, 0x0717, 0x0718, 0x0719, 0x071A, 0x071B},
    {0x071D, 0x071F, 0x0720, 0x0721, 0x0722, 0x0723, 0x0725, 0x0726, 0x0728},
    {0x0729, 0x072A, 0x072B, 0x072C, 0, 0, 0, 0, 0},
}};
constexpr char32_t kSyriacFourHundred = 0x072C;
constexpr char32_t kSyriacThousands = 0x0748;  // SYRIAC OBLIQUE LINE BELOW, combining

void AppendLetter(std::string& text, const Letters& letters, std::size_t place, int d)
{
    if (d > 0)
        AppendCodePoint(text, letters[place][static_cast<std::size_t>(d - 1)]);
}

// r below 1000, hundreds, tens, units.
void AppendBelowThousand(std::string& text, const Letters& letters, int r)
{
    AppendLetter(text, letters, 2, r / 100);
    AppendLetter(text, letters, 1, r / 10 % 10);
    AppendLetter(text, letters, 0, r % 10);
}

}  // namespace

UnicodeNumeral AbjadNumeral(int n)
{
    if (n <= 0 || n >= 2000)
        return NoForm();
    UnicodeNumeral numeral;
    if (n >= 1000)
        AppendCodePoint(numeral.text, kAbjadThousand);
    AppendBelowThousand(numeral.text, kAbjad, n % 1000);
    return numeral;
}

UnicodeNumeral GlagoliticNumeral(int n)
{
    if (n <= 0 || n >= 2000)
        return NoForm();
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    if (n >= 1000)
        AppendCodePoint(text, kGlagoliticThousand);
    AppendLetter(text, kGlagolitic, 2, n / 100 % 10);
    const int lastTwo = n % 100;
    if (lastTwo > 10 && lastTwo < 20) {
        AppendLetter(text, kGlagolitic, 0, lastTwo % 10);
        AppendLetter(text, kGlagolitic, 1, 1);
    } else {
        AppendLetter(text, kGlagolitic, 1, lastTwo / 10);
        AppendLetter(text, kGlagolitic, 0, lastTwo % 10);
    }
    return numeral;
}

UnicodeNumeral SyriacNumeral(int n)
{
    if (n <= 0 || n >= 10000)
        return NoForm();
    UnicodeNumeral numeral;
    std::string& text = numeral.text;
    if (const int thousands = n / 1000; thousands > 0) {
        AppendLetter(text, kSyriac, 0, thousands);
        AppendCodePoint(text, kSyriacThousands);
    }
    int hundreds = n / 100 % 10;
    for (; hundreds > 4; hundreds -= 4)
        AppendCodePoint(text, kSyriacFourHundred);
    AppendLetter(text, kSyriac, 2, hundreds);
    AppendLetter(text, kSyriac, 1, n / 10 % 10);
    AppendLetter(text, kSyriac, 0, n % 10);
    return numeral;
}

#include "Additive.h"

#include "SharedBuilders.h"

#include <array>

namespace {

struct AdditiveSign {
    int value;
    int code;
};

// Largest value first.
constexpr std::array<AdditiveSign, 5> kEgyptianSigns{
    {{10000, 217}, {1000, 216}, {100, 215}, {10, 214}, {1, 213}}};

constexpr std::array<AdditiveSign, 10> kAtticSigns{{{50000, 222},
                                                    {10000, 126},
                                                    {5000, 221},
                                                    {1000, 125},
                                                    {500, 220},
                                                    {100, 124},
                                                    {50, 219},
                                                    {10, 122},
                                                    {5, 218},
                                                    {1, 120}}};

constexpr std::array<AdditiveSign, 7> kAncientGreekSigns{
    {{10000, 126}, {1000, 125}, {100, 124}, {50, 123}, {10, 122}, {5, 121}, {1, 120}}};

// The runes write the count of thousands without the hundred sign.
constexpr std::array<AdditiveSign, 4> kRuneCountSigns{{{50, 125}, {10, 124}, {5, 123}, {1, 122}}};
constexpr std::array<AdditiveSign, 5> kRuneSigns{{{100, 126}, {50, 125}, {10, 124}, {5, 123}, {1, 122}}};
constexpr int kRuneThousand = 160;

// Writes n with as many of each sign as fit, largest sign first.
template <std::size_t N>
void AppendAdditive(GlyphString& s, int n, const std::array<AdditiveSign, N>& signs)
{
    for (const AdditiveSign& sign : signs) {
        RepeatGlyph(s, sign.code, n / sign.value);
        n %= sign.value;
    }
}

template <std::size_t N>
GlyphString AdditiveNumeral(int n, const std::array<AdditiveSign, N>& signs)
{
    GlyphString caption(1, ' ');
    AppendAdditive(caption, n, signs);
    return caption;
}

template <std::size_t N>
void AddSignCodes(GlyphCodes& codes, const std::array<AdditiveSign, N>& signs)
{
    for (const AdditiveSign& sign : signs)
        codes.set(static_cast<std::size_t>(sign.code));
}

template <std::size_t N>
GlyphCodes AdditiveCodes(const std::array<AdditiveSign, N>& signs)
{
    GlyphCodes codes;
    codes.set(' ');
    AddSignCodes(codes, signs);
    return codes;
}

// Heyarian signs of one decimal position: the single sign and, for units
// and tens, the five-sign (0 where there is none).
struct HeyarianPlace {
    int one;
    int five;
};

// Units first.
constexpr std::array<HeyarianPlace, 5> kHeyarianPlaces{
    {{196, 201}, {197, 202}, {198, 0}, {199, 0}, {200, 0}}};
constexpr int kHeyarianDelimiter = 195;

int HeyarianDigitValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

void AppendHeyarianPlace(GlyphString& s, int d, const HeyarianPlace& place)
{
    if (place.five == 0) {
        RepeatGlyph(s, place.one, d);
        return;
    }
    RepeatGlyph(s, place.one, d % 5);
    if (d > 4)
        s += GlyphCode(place.five);
}

}  // namespace

GlyphString EgyptianNumeral(int n)
{
    return AdditiveNumeral(n, kEgyptianSigns);
}
GlyphCodes EgyptianCodes()
{
    return AdditiveCodes(kEgyptianSigns);
}

GlyphString AtticNumeral(int n)
{
    return AdditiveNumeral(n, kAtticSigns);
}
GlyphCodes AtticCodes()
{
    return AdditiveCodes(kAtticSigns);
}

GlyphString AncientGreekNumeral(int n)
{
    return AdditiveNumeral(n, kAncientGreekSigns);
}
GlyphCodes AncientGreekCodes()
{
    return AdditiveCodes(kAncientGreekSigns);
}

GlyphString HungarianRunesNumeral(int n)
{
    GlyphString caption(1, ' ');
    if (const int thousands = n / 1000; thousands > 0) {
        AppendAdditive(caption, thousands, kRuneCountSigns);
        caption += GlyphCode(kRuneThousand);
    }
    AppendAdditive(caption, n % 1000, kRuneSigns);
    return caption;
}

GlyphCodes HungarianRunesCodes()
{
    GlyphCodes codes = AdditiveCodes(kRuneSigns);
    AddSignCodes(codes, kRuneCountSigns);
    codes.set(kRuneThousand);
    return codes;
}

GlyphString HeyarianNumeral(const std::string& t)
{
    GlyphString caption{' ', GlyphCode(kHeyarianDelimiter)};
    auto c = t.rbegin();
    for (const HeyarianPlace& place : kHeyarianPlaces) {
        if (c == t.rend())
            break;
        AppendHeyarianPlace(caption, HeyarianDigitValue(*c++), place);
    }
    caption += GlyphCode(kHeyarianDelimiter);
    return caption;
}

GlyphCodes HeyarianCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    codes.set(kHeyarianDelimiter);
    for (const HeyarianPlace& place : kHeyarianPlaces) {
        codes.set(static_cast<std::size_t>(place.one));
        if (place.five != 0)
            codes.set(static_cast<std::size_t>(place.five));
    }
    return codes;
}

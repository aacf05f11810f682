#include "Positional.h"

#include "SharedBuilders.h"

#include <algorithm>

namespace {

constexpr int kMayaRadix = 20;
constexpr int kMayaLowerBase = 118;  // digits 0..8
constexpr int kMayaUpperBase = 151;  // digits 9..19 as 160..170
constexpr int kMayaFirstUpperDigit = 9;

constexpr int kOxidilogiZero = 207;
constexpr int kOxidilogiFive = 212;

int MayaDigitCode(int d)
{
    return (d < kMayaFirstUpperDigit ? kMayaLowerBase : kMayaUpperBase) + d;
}

void AddCodesOfText(GlyphCodes& codes, const char* text)
{
    for (; *text != '\0'; ++text)
        codes.set(static_cast<unsigned char>(*text));
}

}  // namespace

GlyphString PositionalNumeral(int n, const PositionalSystem& system)
{
    GlyphString caption = system.prefix;
    caption += BaseDigits(n, system.base, system.radix);
    caption += system.suffix;
    return caption;
}

GlyphCodes PositionalCodes(const PositionalSystem& system)
{
    GlyphCodes codes = BaseDigitsCodes(system.base, system.radix);
    AddCodesOfText(codes, system.prefix);
    AddCodesOfText(codes, system.suffix);
    return codes;
}

GlyphString MayaHieroglyphNumeral(int n)
{
    GlyphString body;
    do {
        body += GlyphCode(MayaDigitCode(n % kMayaRadix));
        n /= kMayaRadix;
    } while (n != 0);
    std::reverse(body.begin(), body.end());
    return ' ' + body;
}

GlyphCodes MayaHieroglyphCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    for (int d = 0; d < kMayaRadix; ++d)
        codes.set(static_cast<std::size_t>(MayaDigitCode(d)));
    return codes;
}

GlyphString OxidilogiNumeral(int n)
{
    // Collected lowest digit first, each group reversed; turned round at the end.
    GlyphString reversed;
    do {
        int d = n % 10;
        if (d > 5) {
            reversed += GlyphCode(kOxidilogiFive);
            d -= 5;
        }
        reversed += GlyphCode(kOxidilogiZero + d);
        n /= 10;
    } while (n != 0);
    GlyphString caption{' ', GlyphCode(kOxidilogiZero)};
    caption.append(reversed.rbegin(), reversed.rend());
    return caption;
}

GlyphCodes OxidilogiCodes()
{
    GlyphCodes codes;
    codes.set(' ');
    AddCodeRange(codes, kOxidilogiZero, kOxidilogiFive);
    return codes;
}

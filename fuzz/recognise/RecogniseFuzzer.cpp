// libFuzzer target: any bytes through the recogniser, read as UTF-8 and as
// UTF-16 (little-endian, unpaired surrogates and all). Beyond the
// sanitizers it checks that every number read lies in its range, that a
// text in a row's own form is one the window can show, and that valid
// UTF-8 reads the same as the same text in UTF-16.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include "numerals/recognise/Recognise.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckNumerals(const std::vector<recognise::Numeral>& numerals)
{
    for (const recognise::Numeral& m : numerals) {
        Check(m.number >= 0 && m.number <= recognise::kLargestValue);
        Check(!m.ownForm || (!m.cell.empty() && m.number <= 79999));
    }
}

bool Same(const std::vector<recognise::Numeral>& a, const std::vector<recognise::Numeral>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].cell != b[i].cell || a[i].number != b[i].number || a[i].ownForm != b[i].ownForm)
            return false;
    }
    return true;
}

// The UTF-8 text in UTF-16, or nothing when it is not well-formed.
bool AsUtf16(std::string_view utf8, std::u16string& utf16)
{
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(utf8.data(), i, length, c);
        if (c < 0)
            return false;
        char16_t units[U16_MAX_LENGTH];
        int32_t n = 0;
        U16_APPEND_UNSAFE(units, n, c);
        utf16.append(units, static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view utf8(reinterpret_cast<const char*>(data), size);
    const std::vector<recognise::Numeral> fromUtf8 = recognise::Recognise(utf8);
    CheckNumerals(fromUtf8);

    std::u16string converted;
    if (AsUtf16(utf8, converted))
        Check(Same(fromUtf8, recognise::Recognise(converted)));

    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    CheckNumerals(recognise::Recognise(units));
    return 0;
}

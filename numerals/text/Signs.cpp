#include "FontCharacters.h"
#include "TextParts.h"

#include "numerals/TextRows.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>

namespace rowtext {
namespace {

constexpr unsigned char kLayoutBlank = ' ';

// The single code point of a sign, or U_SENTINEL for a longer sign.
UChar32 OnlyCodePoint(const std::string& sign)
{
    const auto length = static_cast<int32_t>(sign.size());
    int32_t i = 0;
    UChar32 c = U_SENTINEL;
    U8_NEXT(sign.data(), i, length, c);
    return i == length ? c : U_SENTINEL;
}

bool IsDrawnLeftOfItsConsonant(const std::string& sign)
{
    const UChar32 c = OnlyCodePoint(sign);
    return c != U_SENTINEL && u_charType(c) == U_COMBINING_SPACING_MARK
        && u_getIntPropertyValue(c, UCHAR_INDIC_POSITIONAL_CATEGORY) == U_INPC_LEFT;
}

}  // namespace

SignRun SignsOf(const CodeCharacters& characters, const std::string& codes)
{
    SignRun run;
    run.signs.reserve(codes.size());
    for (unsigned char code : codes) {
        if (code == kLayoutBlank)
            continue;
        const CodeCharacter* character = characters.of(code);
        if (character == nullptr) {
            run.complete = false;
            continue;
        }
        run.signs.emplace_back(character->text);
    }
    return run;
}

void ToLogicalOrder(std::vector<std::string>& signs, bool reversed)
{
    if (reversed)
        std::reverse(signs.begin(), signs.end());
    for (std::size_t i = 0; i + 1 < signs.size(); ++i) {
        if (IsDrawnLeftOfItsConsonant(signs[i])) {
            std::swap(signs[i], signs[i + 1]);
            ++i;
        }
    }
}

std::string PersianDigits(const std::string& text)
{
    icu::UnicodeString s = icu::UnicodeString::fromUTF8(text);
    icu::UnicodeString out;
    for (int32_t i = 0; i < s.length(); i = s.moveIndex32(i, 1)) {
        const UChar32 c = s.char32At(i);
        const int32_t value = u_charDigitValue(c);
        out.append(value >= 0 ? UChar32(0x06F0 + value) : c);
    }
    std::string result;
    return out.toUTF8String(result);
}

std::string Joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string s;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            s += separator;
        s += parts[i];
    }
    return s;
}

Kind KindOfCodes(const std::string& cell)
{
    const TextRow* row = FindTextRow(cell);
    if (row == nullptr)
        return Kind::Described;
    const GlyphCodes codes = CodesUsedBy(*row);
    Kind kind = Kind::Unicode;
    for (std::size_t code = 0; code < codes.size(); ++code) {
        if (!codes.test(code) || code == kLayoutBlank)
            continue;
        const CodeCharacter* character = CharacterOfCode(cell, static_cast<unsigned char>(code));
        if (character == nullptr)
            return Kind::Described;
        if (character->standIn)
            kind = Kind::Partial;
    }
    return kind;
}

std::string ScriptOf(const std::string& text)
{
    const icu::UnicodeString s = icu::UnicodeString::fromUTF8(text);
    for (int32_t i = 0; i < s.length(); i = s.moveIndex32(i, 1)) {
        UErrorCode status = U_ZERO_ERROR;
        const UScriptCode script = uscript_getScript(s.char32At(i), &status);
        if (U_SUCCESS(status) && script != USCRIPT_COMMON && script != USCRIPT_INHERITED)
            return uscript_getShortName(script);
    }
    return uscript_getShortName(USCRIPT_COMMON);
}

Direction DirectionOf(const std::string& text)
{
    const icu::UnicodeString s = icu::UnicodeString::fromUTF8(text);
    for (int32_t i = 0; i < s.length(); i = s.moveIndex32(i, 1)) {
        switch (u_charDirection(s.char32At(i))) {
        case U_LEFT_TO_RIGHT:
            return Direction::LeftToRight;
        case U_RIGHT_TO_LEFT:
        case U_RIGHT_TO_LEFT_ARABIC:
            return Direction::RightToLeft;
        default:
            break;
        }
    }
    return Direction::LeftToRight;
}

}  // namespace rowtext

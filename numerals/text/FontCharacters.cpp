#include "FontCharacters.h"

#include <unicode/unistr.h>

#include <cstddef>
#include <cstring>
#include <iterator>

namespace rowtext {
namespace {

struct FamilyCharacters {
    const char* family;
    const CodeCharacter* characters;
    std::size_t count;
};

struct RowFamily {
    const char* cell;
    const char* family;
};

struct PictureCharacter {
    const char* picture;
    const char* text;
};

#include "FontCharacters.inc"

const FamilyCharacters* FamilyOfCell(const std::string& cell)
{
    for (const RowFamily& row : kRowFamilies) {
        if (cell != row.cell)
            continue;
        for (const FamilyCharacters& family : kFamilies) {
            if (std::strcmp(family.family, row.family) == 0)
                return &family;
        }
    }
    return nullptr;
}

} // namespace

const CodeCharacter* CharacterOfCode(const std::string& cell, unsigned char code)
{
    const FamilyCharacters* family = FamilyOfCell(cell);
    if (family == nullptr)
        return nullptr;
    for (std::size_t i = 0; i < family->count; ++i) {
        if (family->characters[i].code == code)
            return &family->characters[i];
    }
    return nullptr;
}

const char* CharacterOfPicture(const std::string& picture)
{
    for (const PictureCharacter& entry : kPictureCharacters) {
        if (picture == entry.picture)
            return entry.text;
    }
    return nullptr;
}

std::string MayanNumeral(int value)
{
    return Utf8Of(kMayanNumeralZero + static_cast<char32_t>(value));
}

std::string Utf8Of(char32_t c)
{
    std::string s;
    icu::UnicodeString(static_cast<UChar32>(c)).toUTF8String(s);
    return s;
}

} // namespace rowtext

#include "FontCharacters.h"

#include <unicode/unistr.h>

#include <array>
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

using CodeIndex = std::array<const CodeCharacter*, 256>;

// Every family's characters indexed by code, built once.
const std::array<CodeIndex, std::size(kFamilies)>& FamilyIndexes()
{
    static const auto indexes = [] {
        std::array<CodeIndex, std::size(kFamilies)> all{};
        for (std::size_t f = 0; f < all.size(); ++f) {
            for (std::size_t i = 0; i < kFamilies[f].count; ++i) {
                const CodeCharacter& character = kFamilies[f].characters[i];
                all[f][static_cast<std::size_t>(character.code)] = &character;
            }
        }
        return all;
    }();
    return indexes;
}

const CodeIndex* IndexOfCell(const std::string& cell)
{
    for (const RowFamily& row : kRowFamilies) {
        if (cell != row.cell)
            continue;
        for (std::size_t f = 0; f < std::size(kFamilies); ++f) {
            if (std::strcmp(kFamilies[f].family, row.family) == 0)
                return &FamilyIndexes()[f];
        }
    }
    return nullptr;
}

}  // namespace

CodeCharacters::CodeCharacters(const std::string& cell) : index_(IndexOfCell(cell)) { }

const CodeCharacter* CodeCharacters::of(unsigned char code) const
{
    return index_ == nullptr ? nullptr : (*index_)[code];
}

const CodeCharacter* CharacterOfCode(const std::string& cell, unsigned char code)
{
    return CodeCharacters(cell).of(code);
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

}  // namespace rowtext

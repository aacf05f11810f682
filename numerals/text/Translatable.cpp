#include "Translatable.h"

namespace rowtext {
namespace {

Translation gTranslation = nullptr;
int gInstalled = 0;

void Fill(std::string& pattern, const char* marker, const std::string& value)
{
    const std::size_t at = pattern.find(marker);
    if (at != std::string::npos)
        pattern.replace(at, 2, value);
}

}  // namespace

void SetTranslation(Translation translation)
{
    gTranslation = translation;
    ++gInstalled;
}

int TranslationsInstalled()
{
    return gInstalled;
}

std::string Translated(const char* english)
{
    return gTranslation ? gTranslation(kWordsContext, english) : std::string(english);
}

std::string Translated(const char* english, const std::string& first, const std::string& second)
{
    std::string text = Translated(english);
    Fill(text, "%1", first);
    Fill(text, "%2", second);
    return text;
}

}  // namespace rowtext

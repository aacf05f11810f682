#include "FontRegistry.h"

#include "glyphs/GlyphFace.h"
#include "glyphs/InstalledFonts.h"
#include "glyphs/PrivateFonts.h"
#include "ProgramResources.h"

#include <QSet>

const std::array<const char*, FontRegistry::kFamilyCount>& FontRegistry::Families()
{
    static const std::array<const char*, kFamilyCount> families{"Glyfa08", "Glyfa08b", "Glyfa08c",
                                                                "Glyfa08d"};
    return families;
}

FontRegistry::~FontRegistry()
{
    releaseRegistrations();
}

void FontRegistry::registerMissingFamilies()
{
    const QSet<QString> installed = InstalledFamiliesFolded();
    for (int index = 1; index <= kFamilyCount; ++index) {
        const QString family = QLatin1String(Families()[index - 1]);
        entries_[index - 1].registered = false;
        if (!installed.contains(family.toCaseFolded()))
            entries_[index - 1].registered = LoadFontResource(family.toLower(), index);
    }
}

bool FontRegistry::LoadFontResource(const QString& name, int index)
{
    const QByteArray data = LoadProgramResource(QStringLiteral("RT_RCDATA"), name);
    // The registry keeps its own copy of the bytes.
    entries_[index - 1].handle = PrivateFonts::add(data);
    GlyphFace::forgetCachedFaces();
    return true;
}

// A refused registration has nothing to release.
void FontRegistry::releaseRegistrations()
{
    for (Entry& entry : entries_) {
        if (entry.registered && entry.handle != 0)
            PrivateFonts::remove(entry.handle);
        entry = Entry{};
    }
    GlyphFace::forgetCachedFaces();
}

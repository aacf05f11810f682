#include "FontRegistry.h"

#include "GlyphFace.h"
#include "InstalledFonts.h"
#include "ProgramResources.h"

#include <QFontDatabase>
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
    // The font database keeps its own copy of the bytes.
    const QByteArray copy(data.constData(), data.size());
    entries_[index - 1].handle = QFontDatabase::addApplicationFontFromData(copy);
    if (entries_[index - 1].handle >= 0)
        GlyphFace::addProgramFont(QLatin1String(Families()[index - 1]), copy);
    GlyphFace::forgetCachedFaces();
    return true;
}

// A refused registration has nothing to release.
void FontRegistry::releaseRegistrations()
{
    for (int index = 0; index < kFamilyCount; ++index) {
        Entry& entry = entries_[index];
        if (entry.registered && entry.handle >= 0) {
            QFontDatabase::removeApplicationFont(entry.handle);
            GlyphFace::removeProgramFont(QLatin1String(Families()[index]));
        }
        entry = Entry{};
    }
}

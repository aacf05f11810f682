#include "glyphs/InstalledFonts.h"

#include <QFontDatabase>

namespace {

// Family names as the font database lists them: a family that several
// foundries supply comes as "Family [Foundry]".
QString WithoutFoundry(const QString& family)
{
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return (bracket > 0 && family.endsWith(u']')) ? family.left(bracket) : family;
}

QSet<QString> ReadInstalledFamilies()
{
    QSet<QString> families;
    for (const QString& family : QFontDatabase::families())
        families.insert(WithoutFoundry(family).toCaseFolded());
    return families;
}

}  // namespace

// The installed fonts do not change while the program runs: the list is
// read once, on first use.
const QSet<QString>& InstalledFamiliesFolded()
{
    static const QSet<QString> families = ReadInstalledFamilies();
    return families;
}

bool IsFamilyInstalled(const QString& family)
{
    return InstalledFamiliesFolded().contains(family.toCaseFolded());
}

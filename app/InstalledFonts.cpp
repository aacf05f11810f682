#include "InstalledFonts.h"

#include <QFontDatabase>

namespace {

// Family names as the font database lists them: a family that several
// foundries supply comes as "Family [Foundry]".
QString WithoutFoundry(const QString& family)
{
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return (bracket > 0 && family.endsWith(u']')) ? family.left(bracket) : family;
}

}  // namespace

QSet<QString> InstalledFamiliesFolded()
{
    QSet<QString> families;
    for (const QString& family : QFontDatabase::families())
        families.insert(WithoutFoundry(family).toCaseFolded());
    return families;
}

bool IsFamilyInstalled(const QString& family)
{
    return InstalledFamiliesFolded().contains(family.toCaseFolded());
}

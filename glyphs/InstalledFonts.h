#pragma once

#include <QSet>
#include <QString>

// The font families installed on the system, case-folded, as the font
// database lists them when first asked; a family that several foundries
// supply counts once. Needs the application object.
const QSet<QString>& InstalledFamiliesFolded();

// Whether the system has a font family of that name (letter case ignored).
bool IsFamilyInstalled(const QString& family);

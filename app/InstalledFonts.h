#pragma once

#include <QSet>
#include <QString>

// The font families installed on the system, case-folded, as the font
// database lists them; a family that several foundries supply counts once.
QSet<QString> InstalledFamiliesFolded();

// Whether the system has a font family of that name (letter case ignored).
bool IsFamilyInstalled(const QString& family);

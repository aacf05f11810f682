#pragma once

#include <QFont>

// "Verdana" at a pixel height. Where Verdana is not installed, the stand-in
// installed by InstallFontStandIns() answers for it.
QFont UiFont(int pixelHeight);

// Maps the fonts the window asks for by name to fonts every machine of ours
// has, so captions, labels, tabs and the Roman row look the same everywhere.
void InstallFontStandIns();

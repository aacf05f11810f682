#pragma once

#include <QFont>

// "Verdana" at a pixel height, unhinted. Where Verdana is not installed the
// font names its stand-in outright (see UiFamily()).
QFont UiFont(int pixelHeight);

// "Verdana" by name, whatever answers for it: what the value panels start
// in until activation hands out their families.
QFont VerdanaFont(int pixelHeight);

// The family the window's text is drawn in: "Verdana" where it is
// installed, else "DejaVu Sans". Needs the application object.
QString UiFamily();

// Maps the fonts the window asks for by name to fonts every machine of ours
// has, so captions, labels, tabs and the Roman row look the same everywhere.
void InstallFontStandIns();

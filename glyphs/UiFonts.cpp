#include "glyphs/UiFonts.h"

#include "glyphs/InstalledFonts.h"

#include <QGuiApplication>

namespace {

const QString kVerdana = QStringLiteral("Verdana");
const QString kStandIn = QStringLiteral("DejaVu Sans");

QFont UnhintedFont(const QString& family, int pixelHeight)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

// Asking the font database for a family it does not list costs it a search
// of that family's whole fallback list (a sort of every installed font),
// and again for the substitute; naming the stand-in outright costs neither.
QString UiFamily()
{
    static const QString family = IsFamilyInstalled(kVerdana) ? kVerdana : kStandIn;
    return family;
}

QFont UiFont(int pixelHeight)
{
    return UnhintedFont(UiFamily(), pixelHeight);
}

QFont VerdanaFont(int pixelHeight)
{
    return UnhintedFont(kVerdana, pixelHeight);
}

void InstallFontStandIns()
{
    // What still asks for "Verdana" by name gets the same stand-in.
    QFont::insertSubstitution(kVerdana, kStandIn);
    // The window's own font is also the program's, so that what measures
    // with the program's font (the number field asks it for a password
    // character) needs no font of its own.
    QGuiApplication::setFont(UiFont(12));
}

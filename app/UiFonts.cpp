#include "UiFonts.h"

#include <QGuiApplication>

QFont UiFont(int pixelHeight)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixelHeight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void InstallFontStandIns()
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    // The window's own font is also the program's, so that what measures
    // with the program's font (the number field asks it for a password
    // character) needs no font of its own.
    QGuiApplication::setFont(UiFont(12));
}

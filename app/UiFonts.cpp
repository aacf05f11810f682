#include "UiFonts.h"

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
}

#pragma once

#include "rows/RowTable.h"

#include <QString>

// The families of the rows written as text, which the program carries as
// resources of type "TEXTFONT" (named like the family without its blanks).
// They are registered with Qt's font database, for this process, the first
// time a row of their page needs them: registering a font empties Qt's font
// cache, so doing it at start-up would make every font of the window load
// again, and a page's fonts cost nothing until it is shown.
class TextFonts {
public:
    // Registers every text family of the page's rows in the row table, once;
    // later calls do nothing. Throws ResourceNotFound for a family the
    // program lacks and std::runtime_error for one Qt does not take under
    // its own name; the families registered before it stay.
    static void load(TabPage page);
    static bool isLoaded(const QString& family);

    // Pixels from the cell's top to the baseline for a loaded family at a
    // pixel height: its ascent A and descent D are the ink of everything
    // its rows write, so the baseline at floor((cell - (A + D)) / 2) + A
    // centres that ink in the cell, as the glyph rows centre theirs.
    static int baselineIn(const QString& family, int pixelHeight, int cellHeight);
};

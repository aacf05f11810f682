// Drawing glyph strings the way the program draws a value cell: the
// committed family registered as an application font, requested at the
// row's pixel height (bold where the row is bold, which the toolkit
// synthesizes from the Regular outlines), baseline placed as in the cell.
#pragma once

#include "FontFixture.h"

#include <QFont>
#include <QGlyphRun>
#include <QString>
#include <QVector>

// The row's cell font; an unusable font (family not registered) has an
// empty family.
QFont cellFont(const GlyphRow& row);

// The text of a glyph string: each byte as its Windows-1252 character.
QString glyphStringText(const QVector<int>& codes);

struct CellInk {
    int inside = 0;   // clearly inked pixels within the cell's height
    int outside = 0;  // and above or below it (left and right are not looked at)
};

// Draws a glyph string in a cell of the given font height and width, glyph
// by glyph from the character map (as a glyph run, so that no text layout
// hides a code such as the soft hyphen), and counts its ink.
CellInk drawInCell(const QFont& font, const QVector<int>& codes, int heightPx, int widthPx);

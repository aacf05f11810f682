#pragma once

#include "numerals/GlyphString.h"
#include "numerals/TextRows.h"

#include <QString>

#include <string>

// Glyph codes as text, "32 58 59", so that a failed comparison shows them.
QString CodesText(const GlyphString& s);

// Expands a compact list of codes: "32 125 124*9 123" stands for 32, 125,
// nine times 124, then 123.
QString ExpandCodes(const QString& compact);

// The row with this value cell; fails the test run when there is none.
const TextRow& RowOf(const char* cell);

// The caption a row builds for the number n typed as the text t.
GlyphString Caption(const char* cell, int n, const std::string& t);

// The caption for n typed as plain decimal text.
GlyphString Caption(const char* cell, int n);

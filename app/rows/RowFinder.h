#pragma once

#include "rows/RowTable.h"

#include <QString>

#include <vector>

// Finding a row by what a person may call its system: the query is looked
// for in the caption (in English and as the window shows it in the
// program's language) and the other names (OtherNames) of every row,
// ignoring letter case, accents and everything but letters and digits
// ("pekrif" finds "Pékrif", "nko" finds "N'Ko").

// The text as the finder compares it: compatibility-decomposed, without
// marks, case-folded, letters and digits only.
QString FoldedForFinding(const QString& text);

// The rows the query finds: first those whose caption begins with it,
// then those whose caption holds it, then those with another name that
// begins with it, then the rest that hold it; in display order within
// each. Nothing for a query without letters or digits.
std::vector<const RowSpec*> FindRows(const QString& query);

#pragma once

#include <QString>

// The family of the installed font that the system's font configuration
// gives first for a family name (its aliases applied), or an empty string.
// One match, where the font database would ask for the whole fallback list
// of a family it does not list.
QString SystemFamilyFor(const QString& family);

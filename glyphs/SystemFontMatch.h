#pragma once

#include <QString>

// An installed font file: its family as the system lists it, the file and
// the face's index in it.
struct SystemFont {
    QString family;
    QString path;
    int index = 0;
};

// The installed font that the system's font configuration gives first for
// a family name (its aliases applied) at the normal or the bold weight;
// an empty family when there is none. One match, where the font database
// would ask for the whole fallback list of a family it does not list.
SystemFont SystemFontFor(const QString& family, bool bold = false);

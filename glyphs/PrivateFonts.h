#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Font files registered for this process alone, from bytes held in memory:
// only the program's own glyph faces draw with them. They never appear
// among the installed fonts, for this process or any other, and nothing
// outlives the process.
namespace PrivateFonts {

// Registers a font file (the registry keeps its own copy of the bytes);
// returns the registration's handle, or 0 when the bytes are not a font.
int add(const QByteArray& fontFile);
// Releases a registration; an unknown handle is ignored.
void remove(int handle);
// The font file registered under a family name (letter case ignored), the
// latest when several are; empty when none is.
QByteArray fileFor(const QString& family);
QStringList families();

}  // namespace PrivateFonts

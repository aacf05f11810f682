#pragma once

#include <QString>

#include <memory>
#include <ostream>

class MainWindow;

// Drives the real main window offscreen and reports what its rows show, for
// tests and debugging.
class Inspector {
public:
    Inspector();
    ~Inspector();

    // Sets the number field the way typing does (exactly one change event)
    // and prints every text row in refresh order: "<cell>\t<caption>\t<codes>",
    // codes in decimal, or "-" for a row the refresh did not reach.
    void printRows(const QString& text, std::ostream& out);
    // Sets the number field and prints what the message line says.
    void printMessage(const QString& text, std::ostream& out);
    // Sets the number field and prints each picture box's strip:
    // "<box>\t<name>@<x>,<y> ...", or "-" for a box its handler did not draw.
    void printPictures(const QString& text, std::ostream& out);

private:
    void typeNumber(const QString& text);

    std::unique_ptr<MainWindow> window_;
};

// Loads a GIF file with the program's reader and writes the bitmap it makes
// as a binary PPM. Warnings go to `diagnostics` as "warning: <message>".
// Returns false (after printing "error: <message>") when reading fails.
bool ConvertGifToPpm(const QString& gifPath, const QString& ppmPath, std::ostream& diagnostics);

#pragma once

#include "MainWindow.h"

#include "pictures/PictureNumerals.h"

#include <QStringList>

#include <memory>

class PaintBox;

// The names of the pictures a box shows, and of those a sequence asks for.
QStringList PictureNames(const PaintBox& box);
QStringList PictureNames(const PictureSequence& steps);

// The window as the windowed tests open it: today is 6 December 2026, and
// every message the window would show in a dialog is collected instead.
class WindowFixture {
public:
    // Makes the window, not yet shown.
    MainWindow& make();
    // Makes, shows and activates the window; false when it never became active.
    bool open();
    // Closes the window and hands over the messages it showed (a passing test
    // has none).
    QStringList close();

    // The rows (value cells, the Roman row, the picture boxes) that do not
    // show the number n as their builders write it, the rows that show the
    // typed characters given n's decimal digits; none when all of them do.
    QStringList rowsNotShowing(int n) const;

    MainWindow* operator->() const { return window_.get(); }
    MainWindow& operator*() const { return *window_; }
    MainWindow* get() const { return window_.get(); }

private:
    std::unique_ptr<MainWindow> window_;
    QStringList errors_;
};

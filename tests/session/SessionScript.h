#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class MainWindow;
class QObject;

// Drives a real main window the way a user's session does and checks after
// every change what the window must show.
class SessionScript {
public:
    SessionScript();
    ~SessionScript();

    MainWindow& window() { return *window_; }
    const QStringList& failures() const { return failures_; }
    const QStringList& errors() const { return errors_; }

    // Sets the number field's text (or pastes it over the whole field) and
    // checks the window against the rules for that text.
    void enter(const QString& text, bool paste = false);
    // Holds the spin button's up half for the given time, then releases it.
    void holdSpinUp(int milliseconds);
    // Shows the next tab page (after the last, the first).
    void switchTab();
    // Closes the window with Esc; false if it did not close.
    bool closeWithEscape();

    // Every glyph-string row, the Roman row, the picture boxes and, while
    // a text page is shown, every row of that page, against the builders
    // for the number the window shows.
    void checkAllRows();

private:
    void checkRulesFor(const QString& text);
    void fail(const QString& what);

    std::unique_ptr<MainWindow> window_;
    QStringList failures_;
    QStringList errors_;
    QString changedTo_;    // the text of the last change event
    QString romanShown_;   // what the Roman row showed before the change
    int shownNumber_ = 0;  // the number the rows show
    QString shownText_;    // the text they were built from
};

// Heap in use by the process in bytes, or -1 where it cannot be told (e.g.
// under a sanitizer's allocator).
long long HeapInUse();
// Resident memory in kB.
long long ResidentKilobytes();

#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

// Switching the tab pages from anywhere in the window: Ctrl+Tab and
// Ctrl+Page Down go to the next page, Ctrl+Shift+Tab and Ctrl+Page Up to the
// previous one, both wrapping around.
class PageShortcuts : public QObject {
    Q_OBJECT
public:
    PageShortcuts(QWidget* window, QTabWidget* pages);

    void showNextPage() { turn(1); }
    void showPreviousPage() { turn(-1); }

private:
    void turn(int by);

    QTabWidget* pages_;
};

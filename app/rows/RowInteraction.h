#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPalette>
#include <QPointer>

class QKeyEvent;
class QMenu;
class QWidget;
class RowTexts;

// What a user does with a row besides looking at it: its context menu
// ("Copy", "Copy as Picture", "Sign by Sign", "Copy All Rows") from a right
// click on the caption or the value, its tooltip, and the keyboard. A
// double-click on the row or Enter on it asks for its "Sign by Sign" view
// too. Each tab page's rows
// are one stop in the Tab order; Up and Down (Home, End) move between the
// page's rows in display order, Ctrl+C copies the row with the focus, the
// Menu key or Shift+F10 opens its context menu. The row with the focus has
// its caption highlighted.
class RowInteraction : public QObject {
    Q_OBJECT
public:
    RowInteraction(QWidget* pages, const RowTexts* texts, QObject* parent = nullptr);

    // The row's context menu, for the caller to show and delete.
    QMenu* createMenu(const QString& cell, QWidget* parent = nullptr) const;

    void copyRow(const QString& cell) const;
    void copyRowPicture(const QString& cell) const;
    void copyAllRows() const;
    // Shows the row's page and puts the focus on the row.
    void focusRow(const QString& cell);

    // The widget that stands for the row: it takes the focus and is the
    // row's accessible object.
    QWidget* rowWidget(const QString& cell) const;
    // The row's value cell as shown, at the screen's device pixel ratio.
    QImage rowPicture(const QString& cell) const;

signals:
    // The row's "Sign by Sign" view is wanted.
    void signBySignRequested(const QString& cell) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchRow(const char* cell);
    bool keyPressed(const QString& cell, QKeyEvent* event);
    void showMenu(const QString& cell, const QPoint& globalPosition);
    void moveFocus(const QString& cell, int key);
    void focusChanged(const QString& cell, bool in);

    QWidget* pages_;
    const RowTexts* texts_;
    QHash<QString, QWidget*> panelOf_;       // a row's cell -> its row panel
    QHash<const QObject*, QString> cellOf_;  // every widget of a row -> the row's cell
    QPointer<QWidget> highlighted_;
    QPalette highlightedPalette_;
};

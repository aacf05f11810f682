#pragma once

#include "rows/PageFrame.h"
#include "rows/RowTable.h"

#include <QHash>
#include <QRawFont>
#include <QTabWidget>

class QLabel;
class PaintBox;
class TextCell;
class ValueCell;

// The page control with the five tab pages of numeral rows, built from the
// row table. Every value cell carries its component name. The rows of the
// third page and after are written as text; a page's text rows are filled
// for a number only while that page is shown (or a row of it is wanted
// otherwise), and their fonts are loaded the first time the page is.
class NumeralPages : public QTabWidget {
    Q_OBJECT
public:
    explicit NumeralPages(QWidget* parent = nullptr);

    ValueCell* valueCell(const QString& name) const { return cells_.value(name); }
    PaintBox* paintBox(const QString& name) const { return boxes_.value(name); }
    QLabel* romanLabel() const { return romanLabel_; }
    const QHash<QString, ValueCell*>& valueCells() const { return cells_; }
    TextCell* textCell(const QString& name) const { return textCells_.value(name); }
    const QHash<QString, TextCell*>& textCells() const { return textCells_; }

    TabPage currentPage() const { return TabPage(currentIndex()); }
    // Whether the page shown holds rows written as text.
    bool isTextPageCurrent() const;
    // Loads the fonts of the page's text rows if they are not yet, and gives
    // every text row of the page its numeral for n, unless they show n
    // already. Throws when a font cannot be loaded (TextFonts::load).
    void showOnTextPage(TabPage page, int n);

protected:
    // The frame as the page control draws it, from the pixels kept of it.
    void paintEvent(QPaintEvent* event) override;

private:
    void buildPage(TabPage page, const QString& name, const QString& title);
    QWidget* buildColumn(TabPage page, RowColumn column, const QString& name, QWidget* parent);
    QWidget* buildRow(const RowSpec& row, QWidget* parent);
    QWidget* buildValue(const RowSpec& row, QWidget* rowPanel);

    QHash<QString, ValueCell*> cells_;
    QHash<QString, PaintBox*> boxes_;
    QHash<QString, TextCell*> textCells_;
    QList<TextCell*> textCellsOn_[kPageCount];
    // The number each page's text rows show; -1: none yet.
    int textPageNumber_[kPageCount] = {-1, -1, -1, -1, -1};
    QLabel* romanLabel_ = nullptr;
    PageFrame frame_;
    QRawFont captionFont_;  // the captions' font alone, to ask what it draws
};

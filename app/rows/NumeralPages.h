#pragma once

#include "rows/PageFrame.h"
#include "rows/RowTable.h"

#include <QHash>
#include <QTabWidget>

class QLabel;
class PaintBox;
class ValueCell;

// The page control with the two tab pages of numeral rows, built from the
// row table. Every value cell carries its component name.
class NumeralPages : public QTabWidget {
    Q_OBJECT
public:
    explicit NumeralPages(QWidget* parent = nullptr);

    ValueCell* valueCell(const QString& name) const { return cells_.value(name); }
    PaintBox* paintBox(const QString& name) const { return boxes_.value(name); }
    QLabel* romanLabel() const { return romanLabel_; }
    const QHash<QString, ValueCell*>& valueCells() const { return cells_; }

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
    QLabel* romanLabel_ = nullptr;
    PageFrame frame_;
};

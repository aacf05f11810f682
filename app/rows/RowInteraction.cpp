#include "rows/RowInteraction.h"

#include "rows/NumeralPages.h"
#include "rows/RowTable.h"
#include "rows/RowTexts.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QToolTip>

#include <algorithm>

namespace {

QString Cell(const RowSpec& row)
{
    return QLatin1String(row.cell);
}

// The cells of the rows on the page of `cell`, in display order.
QStringList RowsOnPageOf(const QString& cell)
{
    const TabPage page = FindRow(cell.toLatin1().constData())->page;
    QStringList cells;
    for (const RowSpec& row : RowsInDisplayOrder())
        if (row.page == page)
            cells << Cell(row);
    return cells;
}

}  // namespace

RowInteraction::RowInteraction(QWidget* pages, const RowTexts* texts, QObject* parent)
    : QObject(parent), pages_(pages), texts_(texts)
{
    // One walk over the pages finds every row panel ("sp" and the cell).
    for (QWidget* widget : pages_->findChildren<QWidget*>())
        if (widget->objectName().startsWith(QLatin1String("sp")))
            panelOf_.insert(widget->objectName().mid(2), widget);
    for (const RowSpec& row : RowsInDisplayOrder())
        watchRow(row.cell);
    // The first row of each page is its stop in the Tab order (a page without
    // rows has none).
    for (int page = 0; page < kPageCount; ++page) {
        const auto first = std::find_if(RowsInDisplayOrder().begin(), RowsInDisplayOrder().end(),
                                        [page](const RowSpec& row) { return int(row.page) == page; });
        if (first != RowsInDisplayOrder().end())
            focusChanged(Cell(*first), false);
    }
}

void RowInteraction::watchRow(const char* cell)
{
    const QString name = QLatin1String(cell);
    QWidget* panel = panelOf_.value(name);
    for (QWidget* part : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        cellOf_.insert(part, name);
        part->installEventFilter(this);
    }
    QWidget* widget = rowWidget(name);
    widget->setFocusPolicy(Qt::NoFocus);
    // Also keeps the Roman label from reporting each new numeral as a new name.
    widget->setAccessibleName(QString::fromUtf8(FindRow(cell)->caption));
}

QWidget* RowInteraction::rowWidget(const QString& cell) const
{
    const QWidget* panel = panelOf_.value(cell);
    return panel ? panel->findChild<QWidget*>(cell, Qt::FindDirectChildrenOnly) : nullptr;
}

QMenu* RowInteraction::createMenu(const QString& cell, QWidget* parent) const
{
    auto* menu = new QMenu(parent);
    menu->addAction(QStringLiteral("Copy"), this, [this, cell] { copyRow(cell); });
    menu->addAction(QStringLiteral("Copy as Picture"), this, [this, cell] { copyRowPicture(cell); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Copy All Rows"), this, [this] { copyAllRows(); });
    return menu;
}

void RowInteraction::copyRow(const QString& cell) const
{
    QGuiApplication::clipboard()->setText(texts_->text(cell));
}

void RowInteraction::copyRowPicture(const QString& cell) const
{
    QGuiApplication::clipboard()->setImage(rowPicture(cell));
}

void RowInteraction::copyAllRows() const
{
    QGuiApplication::clipboard()->setText(texts_->allRows());
}

// The row panel right of its caption: the Roman label lies over the panel
// rather than in the value cell, so the panel is what is grabbed. A row of
// the text page shows the window's number first, also while its page is
// hidden.
QImage RowInteraction::rowPicture(const QString& cell) const
{
    auto* pages = qobject_cast<NumeralPages*>(pages_);
    if (pages && pages->textCell(cell) && texts_->hasShown()) {
        try {
            pages->showOnTextPage(FindRow(cell.toLatin1().constData())->page, texts_->shownNumber());
        } catch (const std::exception&) {
            // A family that cannot be loaded leaves its cell empty; the
            // window reports that when it shows the page.
        }
    }
    QWidget* panel = panelOf_.value(cell);
    const QWidget* caption = panel->findChild<QWidget*>(QStringLiteral("tp") + cell);
    return panel->grab(panel->rect().adjusted(caption->width(), 0, 0, 0)).toImage();
}

bool RowInteraction::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = cellOf_.constFind(watched);
    if (found == cellOf_.constEnd())
        return false;
    const QString& cell = found.value();
    switch (event->type()) {
    case QEvent::ContextMenu:
        showMenu(cell, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::ToolTip:
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), texts_->toolTip(cell),
                           static_cast<QWidget*>(watched));
        return true;
    case QEvent::KeyPress:
        return watched == rowWidget(cell) && keyPressed(cell, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (watched == rowWidget(cell) && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            focusChanged(cell, event->type() == QEvent::FocusIn);
        return false;
    default:
        return false;
    }
}

bool RowInteraction::keyPressed(const QString& cell, QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyRow(cell);
        return true;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QWidget* widget = rowWidget(cell);
        showMenu(cell, widget->mapToGlobal(QPoint(0, widget->height())));
        return true;
    }
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        moveFocus(cell, event->key());
        return true;
    default:
        return false;
    }
}

void RowInteraction::showMenu(const QString& cell, const QPoint& globalPosition)
{
    QMenu* menu = createMenu(cell, rowWidget(cell));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

void RowInteraction::moveFocus(const QString& cell, int key)
{
    const QStringList cells = RowsOnPageOf(cell);
    const int at = cells.indexOf(cell);
    const int to = key == Qt::Key_Home ? 0
        : key == Qt::Key_End           ? cells.size() - 1
        : key == Qt::Key_Up            ? std::max(at - 1, 0)
                                       : std::min<int>(at + 1, cells.size() - 1);
    QWidget* next = rowWidget(cells[to]);
    next->setFocusPolicy(Qt::TabFocus);
    next->setFocus(Qt::TabFocusReason);
}

// The row that had the focus last is its page's stop in the Tab order; the
// row with the focus has its caption in the highlight colours.
void RowInteraction::focusChanged(const QString& cell, bool in)
{
    for (const QString& other : RowsOnPageOf(cell))
        rowWidget(other)->setFocusPolicy(other == cell ? Qt::TabFocus : Qt::NoFocus);
    if (highlighted_) {
        highlighted_->setPalette(highlightedPalette_);
        highlighted_ = nullptr;
    }
    if (!in)
        return;
    QWidget* caption =
        panelOf_.value(cell)->findChild<QWidget*>(QStringLiteral("tp") + cell, Qt::FindDirectChildrenOnly);
    highlighted_ = caption;
    highlightedPalette_ = caption->palette();
    QPalette palette = highlightedPalette_;
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    caption->setPalette(palette);
}

#include "rows/NumeralPages.h"

#include "rows/CaptionLabel.h"
#include "rows/PaintBox.h"
#include "glyphs/UiFonts.h"
#include "rows/TextCell.h"
#include "rows/TextFonts.h"
#include "rows/ValueCell.h"

#include "numerals/UnicodeRows.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include <iterator>

namespace {

constexpr QPoint kRomanLabelPosition(112, 0);

// Value cells have their size from the start, also on the page not shown.
QSize ValueCellSize(RowColumn column)
{
    return QSize(ValueCellWidth(column), kRowHeight);
}

// A tab page is white; everything on it inherits the white and is drawn
// on the page's own fill (a panel filling its background again would only
// paint the same white twice).
QWidget* WhitePage(const QString& name)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    page->setPalette(palette);
    return page;
}

QWidget* Panel(const QString& name, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

QVBoxLayout* StackedLayout(QWidget* owner)
{
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QFont CaptionFont()
{
    return UiFont(13);
}

// Whether a font itself, no other font standing in, draws every character
// of a caption.
bool HasAll(const QRawFont& font, const QString& caption)
{
    for (const char32_t c : caption.toStdU32String())
        if (!font.supportsCharacter(c))
            return false;
    return true;
}

QLabel* CaptionCell(const RowSpec& row, const QRawFont& captionFont, QWidget* rowPanel)
{
    const QString caption = QCoreApplication::translate("RowCaption", row.caption);
    auto* label = new CaptionLabel(caption, QSize(kCaptionWidth, kRowHeight), rowPanel);
    label->setObjectName(QStringLiteral("tp") + QLatin1String(row.cell));
    // A sign of a text row's caption that the captions' font lacks ("Tally
    // 正") comes from the row's own family, as in its cell, rather than from
    // whatever installed font has it. Other captions share one font.
    QFont font = CaptionFont();
    if (row.kind == ValueKind::Text && !HasAll(captionFont, caption))
        font.setFamilies({font.family(), QString::fromUtf8(row.family)});
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(palette);
    label->setAutoFillBackground(true);  // the row with the focus shows its caption highlighted
    return label;
}

}  // namespace

NumeralPages::NumeralPages(QWidget* parent)
    : QTabWidget(parent), captionFont_(QRawFont::fromFont(CaptionFont()))
{
    setObjectName(QStringLiteral("PG1"));
    setFont(UiFont(11));
    buildPage(TabPage::T1, QStringLiteral("T1"), tr("Number signs 1"));
    buildPage(TabPage::T2, QStringLiteral("T2"), tr("Number signs 2"));
    buildPage(TabPage::T3, QStringLiteral("T3"), tr("Number signs 3"));
    buildPage(TabPage::T4, QStringLiteral("T4"), tr("Number signs 4"));
    buildPage(TabPage::T5, QStringLiteral("T5"), tr("Number signs 5"));
    setCurrentIndex(0);
}

bool NumeralPages::isTextPageCurrent() const
{
    return currentIndex() >= 0 && !textCellsOn_[currentIndex()].isEmpty();
}

void NumeralPages::showOnTextPage(TabPage page, int n)
{
    TextFonts::load(page);
    int& shown = textPageNumber_[int(page)];
    if (n == shown)
        return;
    for (TextCell* cell : std::as_const(textCellsOn_[int(page)]))
        cell->setText(
            QString::fromStdString(FindUnicodeRow(cell->objectName().toStdString())->build(n).text));
    shown = n;
}

// What the tab widget paints, its frame around the pages, drawn from the
// edges kept of it; the pane and the page area as the tab widget lays them
// out.
void NumeralPages::paintEvent(QPaintEvent* event)
{
    if (documentMode()) {
        QTabWidget::paintEvent(event);
        return;
    }
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QRect pageArea = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    option.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    QPainter painter(this);
    frame_.paint(painter, *this, option, pageArea, event->region());
}

// Every widget is made in its place: a widget moved into another parent
// hands its palette and font down its whole subtree again.
void NumeralPages::buildPage(TabPage page, const QString& name, const QString& title)
{
    QWidget* tab = WhitePage(name);
    addTab(tab, title);
    QVBoxLayout* layout = StackedLayout(tab);
    // The page control's border is four pixels on either side, whatever the
    // style draws of it; the page keeps the rest white.
    auto* rows = new QWidget(tab);
    rows->setFixedWidth(kPageWidth);
    auto* centring = new QHBoxLayout;
    centring->setContentsMargins(0, 0, 0, 0);
    centring->addWidget(rows, 0, Qt::AlignHCenter);
    layout->addLayout(centring, 1);
    layout = StackedLayout(rows);
    for (const RowSpec& row : RowsInDisplayOrder())
        if (row.page == page && row.column == RowColumn::FullWidth)
            layout->addWidget(buildRow(row, rows));
    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    const int index = int(page);
    const char* const leftNames[] = {"P2", "P5", "T3Left", "T4Left", "T5Left"};
    const char* const rightNames[] = {"P11", "P32", "T3Right", "T4Right", "T5Right"};
    static_assert(std::size(leftNames) == kPageCount && std::size(rightNames) == kPageCount);
    columns->addWidget(buildColumn(page, RowColumn::Left, leftNames[index], rows), 1);
    QWidget* right = buildColumn(page, RowColumn::Right, rightNames[index], rows);
    right->setFixedWidth(kRightColumnWidth);
    columns->addWidget(right);
    layout->addLayout(columns, 1);
}

QWidget* NumeralPages::buildColumn(TabPage page, RowColumn column, const QString& name, QWidget* parent)
{
    QWidget* panel = Panel(name, parent);
    QVBoxLayout* layout = StackedLayout(panel);
    for (const RowSpec& row : RowsInDisplayOrder())
        if (row.page == page && row.column == column)
            layout->addWidget(buildRow(row, panel));
    layout->addStretch(1);
    return panel;
}

QWidget* NumeralPages::buildRow(const RowSpec& row, QWidget* parent)
{
    QWidget* panel = Panel(QStringLiteral("sp") + QLatin1String(row.cell), parent);
    panel->setFixedHeight(kRowHeight);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CaptionCell(row, captionFont_, panel));
    layout->addWidget(buildValue(row, panel), 1);
    if (row.kind == ValueKind::Label)
        romanLabel_->raise();  // over the white value area beneath it
    return panel;
}

// Value panels start in "Verdana" at their row's height and weight; their
// families are handed out at activation.
QWidget* NumeralPages::buildValue(const RowSpec& row, QWidget* rowPanel)
{
    const QString name = QString::fromLatin1(row.cell);
    switch (row.kind) {
    case ValueKind::Panel: {
        QFont font = VerdanaFont(row.pixelHeight);
        font.setBold(row.bold);
        auto* cell = new ValueCell(name, font, rowPanel);
        cell->setFixedSize(ValueCellSize(row.column));
        cells_.insert(name, cell);
        return cell;
    }
    case ValueKind::PaintBox: {
        auto* box = new PaintBox(name, rowPanel);
        box->setFixedSize(ValueCellSize(row.column));
        boxes_.insert(name, box);
        return box;
    }
    case ValueKind::Text: {
        auto* cell = new TextCell(name, QString::fromUtf8(row.family), row.pixelHeight, rowPanel);
        cell->setFixedSize(ValueCellSize(row.column));
        textCells_.insert(name, cell);
        textCellsOn_[int(row.page)].append(cell);
        return cell;
    }
    case ValueKind::Label:
        break;
    }
    romanLabel_ = new QLabel(rowPanel);
    romanLabel_->setObjectName(name);
    romanLabel_->setFont(UiFont(row.pixelHeight));
    romanLabel_->move(kRomanLabelPosition);
    return Panel(QString(), rowPanel);
}

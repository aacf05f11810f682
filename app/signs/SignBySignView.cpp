#include "signs/SignBySignView.h"

#include "signs/BreakdownView.h"
#include "signs/PieceView.h"
#include "signs/SignDrawing.h"
#include "signs/SignTableView.h"

#include "entry/NumberParser.h"
#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "rows/RowTexts.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QScrollArea>

#include <algorithm>

namespace {

// The groups' pieces joined: the numeral as the row draws it. A glyph row
// draws its codes left to right, so a right-to-left row's groups (in the
// order it writes them) go in from the right.
signs::Piece Joined(const signs::Breakdown& breakdown)
{
    std::vector<signs::Group> groups = breakdown.groups;
    if (breakdown.rightToLeft && !groups.empty() && !groups.front().piece.codes.empty())
        std::reverse(groups.begin(), groups.end());
    signs::Piece whole;
    for (const signs::Group& group : groups) {
        whole.codes += group.piece.codes;
        whole.text += group.piece.text;
        whole.pictures.insert(whole.pictures.end(), group.piece.pictures.begin(), group.piece.pictures.end());
    }
    return whole;
}

// A part too wide for the screen scrolls sideways rather than widen the window.
QScrollArea* Sideways(QWidget* part, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidget(part);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

QLabel* Heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

SignBySignView::SignBySignView(const RowSpec& row, const RowTexts* texts, RowInteraction* rows,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), row_(row), texts_(texts), rows_(rows),
      large_(std::make_shared<SignDrawing>(row, kNumeralScale)),
      signs_(std::make_shared<SignDrawing>(row, kSignScale))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("SignBySign") + cell());
    setWindowTitle(tr("%1 — Sign by Sign").arg(QCoreApplication::translate("RowCaption", row.caption)));
    // White, as the rows stand in the window: the pictures are drawn on white.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    // The parts stand in a column that scrolls down on a screen too low for
    // them (a small screen at twice the pixel density).
    content_ = new QWidget(this);
    content_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(content_);
    layout->addWidget(buildNumeralPart());
    auto* explanation = new QLabel(texts_->explanation(cell()), this);
    explanation->setWordWrap(true);
    explanation->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(explanation);
    layout->addWidget(Heading(tr("Signs"), this));
    table_ = new SignTableView(signs_, signs::SignTable(cell().toStdString()), this);
    connect(table_, &SignTableView::signPressed, this, &SignBySignView::press);
    layout->addWidget(table_);
    layout->addWidget(buildComposePart());
    layout->addWidget(buildCopyPart());
    layout->addStretch(1);
    auto* downwards = new QScrollArea(this);
    downwards->setWidget(content_);
    downwards->setWidgetResizable(true);
    downwards->setFrameShape(QFrame::NoFrame);
    downwards->setFocusPolicy(Qt::NoFocus);
    downwards->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(downwards);

    auto* close = new QAction(tr("Close"), this);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    compose();
    fitToContents();
}

SignBySignView::~SignBySignView() = default;

QString SignBySignView::cell() const
{
    return QLatin1String(row_.cell);
}

QWidget* SignBySignView::buildNumeralPart()
{
    auto* part = new QWidget(this);
    auto* column = new QVBoxLayout(part);
    column->setContentsMargins(0, 0, 0, 0);
    numeral_ = new PieceView(large_, part);
    numeral_->setObjectName(QStringLiteral("numeral"));
    column->addWidget(numeral_, 0, Qt::AlignLeft);
    breakdown_ = new BreakdownView(signs_, part);
    column->addWidget(breakdown_);
    numeralPart_ = part;
    numeralArea_ = Sideways(part, this);
    return numeralArea_;
}

QWidget* SignBySignView::buildComposePart()
{
    auto* part = new QWidget(this);
    auto* column = new QVBoxLayout(part);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Heading(tr("Compose"), part));
    composed_ = new PieceView(signs_, part);
    composed_->setObjectName(QStringLiteral("composed"));
    // A long composition scrolls sideways, as the numeral does.
    auto* holder = new QWidget(part);
    auto* left = new QHBoxLayout(holder);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(composed_, 0, Qt::AlignLeft);
    composedArea_ = Sideways(holder, part);
    column->addWidget(composedArea_);
    auto* line = new QHBoxLayout;
    readsAs_ = new QLabel(part);
    readsAs_->setObjectName(QStringLiteral("readsAs"));
    line->addWidget(readsAs_, 1);
    auto* backspace = new QPushButton(tr("Backspace"), part);
    auto* clear = new QPushButton(tr("Clear"), part);
    show_ = new QPushButton(tr("Show This Number"), part);
    for (QPushButton* button : {backspace, clear, show_}) {
        button->setAutoDefault(false);
        line->addWidget(button);
    }
    connect(backspace, &QPushButton::clicked, this, &SignBySignView::backspace);
    connect(clear, &QPushButton::clicked, this, &SignBySignView::clear);
    connect(show_, &QPushButton::clicked, this, [this] {
        if (composedNumeral_.status == signs::Composed::Status::Number)
            emit showNumberRequested(int(composedNumeral_.number));
    });
    column->addLayout(line);
    return part;
}

QWidget* SignBySignView::buildCopyPart()
{
    auto* part = new QWidget(this);
    auto* line = new QHBoxLayout(part);
    line->setContentsMargins(0, 0, 0, 0);
    line->addStretch(1);
    auto* copy = new QPushButton(tr("Copy"), part);
    auto* picture = new QPushButton(tr("Copy as Picture"), part);
    for (QPushButton* button : {copy, picture}) {
        button->setAutoDefault(false);
        line->addWidget(button);
    }
    connect(copy, &QPushButton::clicked, this, [this] { rows_->copyRow(cell()); });
    connect(picture, &QPushButton::clicked, this, [this] { rows_->copyRowPicture(cell()); });
    return part;
}

void SignBySignView::showNumber(int n)
{
    if (n == number_)
        return;
    number_ = n;
    const signs::Breakdown breakdown = signs::BreakdownOf(cell().toStdString(), n);
    numeral_->setPiece(Joined(breakdown), texts_->text(cell()));
    breakdown_->setBreakdown(breakdown, n);
    // The window grows only for a numeral that no longer fits it.
    const QSize wanted = numeralPart_->sizeHint();
    if (wanted.width() > numeralArea_->width() || wanted.height() > numeralArea_->viewport()->height())
        fitToContents();
}

// Wide enough for the numeral, its breakdown and the sign table, and high
// enough for all the parts, as far as the screen allows (the numeral
// scrolls sideways beyond, the parts downwards); it never narrows under the
// user's hands.
void SignBySignView::fitToContents()
{
    QLayout* parts = content_->layout();
    const QMargins margins = parts->contentsMargins();
    numeralArea_->setMinimumHeight(numeralPart_->sizeHint().height()
                                   + numeralArea_->horizontalScrollBar()->sizeHint().height());
    parts->activate();
    int wanted = std::max({numeralPart_->sizeHint().width(), table_->sizeHint().width(), kMinimumWidth})
        + margins.left() + margins.right();
    int highest = QWIDGETSIZE_MAX;
    if (const QScreen* screen = this->screen()) {
        wanted = std::min(wanted, screen->availableGeometry().width() * 9 / 10);
        highest = screen->availableGeometry().height() * 9 / 10;
    }
    wanted = std::max(wanted, width());
    const int height =
        std::min(std::max(parts->totalHeightForWidth(wanted), parts->totalMinimumSize().height()), highest);
    if (wanted != width() || height > this->height())
        resize(wanted, std::max(height, this->height()));
}

void SignBySignView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitToContents();
}

void SignBySignView::press(int sign)
{
    pressed_.push_back(sign);
    compose();
}

void SignBySignView::backspace()
{
    if (!pressed_.empty())
        pressed_.pop_back();
    compose();
}

void SignBySignView::clear()
{
    pressed_.clear();
    compose();
}

QString SignBySignView::readingOf(const signs::Composed& composed)
{
    switch (composed.status) {
    case signs::Composed::Status::Empty:
        return tr("Press the signs to compose a numeral");
    case signs::Composed::Status::Number:
        return tr("Reads %1").arg(composed.number);
    case signs::Composed::Status::NoNumeral:
        return tr("No numeral of this system");
    case signs::Composed::Status::BeyondRange:
        break;
    }
    return OutOfRangeMessage();
}

void SignBySignView::compose()
{
    composedNumeral_ = signs::Compose(cell().toStdString(), pressed_);
    const QString reading = readingOf(composedNumeral_);
    composed_->setPiece(composedNumeral_.piece,
                        tr("Composed numeral %1").arg(QString::fromStdString(composedNumeral_.text)));
    readsAs_->setText(reading);
    show_->setEnabled(composedNumeral_.status == signs::Composed::Status::Number);
    composedArea_->setFixedHeight(composed_->sizeHint().height()
                                  + composedArea_->horizontalScrollBar()->sizeHint().height());
    const int right = composed_->sizeHint().width() - composedArea_->viewport()->width();
    if (right > 0)  // the newest sign in sight
        composedArea_->horizontalScrollBar()->setValue(right);
}

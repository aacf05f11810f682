#include "signs/SignTableView.h"

#include "signs/SignButton.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

namespace {

// Up to ten to a row (a digit script's digits stand on one), as many as
// fit in this width, or in the view on a smaller screen (at most 9/10 of
// the screen's width, less its margins).
constexpr int kColumns = 10;
constexpr int kWidth = 1200;

int TableWidth(const QWidget* widget)
{
    const QScreen* screen = widget->screen();
    return screen ? std::min(kWidth, screen->availableGeometry().width() * 9 / 10 - 2 * 12) : kWidth;
}

}  // namespace

SignTableView::SignTableView(std::shared_ptr<const SignDrawing> drawing,
                             const std::vector<signs::Sign>& table, QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    int widest = 1;
    for (const signs::Sign& sign : table) {
        auto* button = new SignButton(drawing, sign, this);
        widest = std::max(widest, button->sizeHint().width() + grid->spacing());
        buttons_.push_back(button);
    }
    columns_ = std::clamp(TableWidth(this) / widest, 1, kColumns);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        SignButton* button = buttons_[i];
        button->installEventFilter(this);
        grid->addWidget(button, int(i) / columns_, int(i) % columns_);
        connect(button, &QPushButton::clicked, this, [this, i] {
            makeCurrent(int(i));
            emit signPressed(int(i));
        });
    }
    grid->setColumnStretch(columns_, 1);
    if (!buttons_.empty())
        makeCurrent(0);
}

// Only the current sign is a Tab stop; the others take the focus by the
// arrow keys or a click.
void SignTableView::makeCurrent(int index)
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setFocusPolicy(int(i) == index ? Qt::StrongFocus : Qt::ClickFocus);
}

int SignTableView::target(int from, int key) const
{
    const int last = int(buttons_.size()) - 1;
    switch (key) {
    case Qt::Key_Left:
        return std::max(from - 1, 0);
    case Qt::Key_Right:
        return std::min(from + 1, last);
    case Qt::Key_Up:
        return from >= columns_ ? from - columns_ : from;
    case Qt::Key_Down:
        return from + columns_ <= last ? from + columns_ : from;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return last;
    default:
        return -1;
    }
}

bool SignTableView::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(buttons_.begin(), buttons_.end(), watched);
    if (found == buttons_.end())
        return false;
    const int index = int(found - buttons_.begin());
    if (event->type() == QEvent::FocusIn) {
        makeCurrent(index);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return false;
    const int to = target(index, key->key());
    if (to < 0)
        return false;
    makeCurrent(to);
    buttons_[to]->setFocus(Qt::OtherFocusReason);
    return true;
}

#include "FindField.h"

#include "rows/RowFinder.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>

#include <algorithm>

namespace {

constexpr int kListWidth = 220;

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

FindField::FindField(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("findField"));
    setAccessibleName(tr("Find a system"));
    setPlaceholderText(tr("script, language, place"));
    setClearButtonEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &FindField::find);
}

int FindField::chosenMatch() const
{
    return list_ && list_->isVisible() && !matches_.isEmpty() ? list_->currentRow() : -1;
}

void FindField::find(const QString& text)
{
    matches_.clear();
    for (const RowSpec* row : FindRows(text))
        matches_ << QLatin1String(row->cell);
    showMatches();
}

// The matches' captions above the field, the first one chosen; a text
// that finds nothing says so in the list's one line.
void FindField::showMatches()
{
    if (text().trimmed().isEmpty() || !hasFocus()) {
        if (list_)
            list_->hide();
        return;
    }
    if (!list_) {
        list_ = new QListWidget(window());
        list_->setObjectName(QStringLiteral("findMatches"));
        list_->setAccessibleName(tr("Systems found"));
        list_->setFocusPolicy(Qt::NoFocus);
        list_->setFocusProxy(this);
        connect(list_, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { chooseRow(list_->row(item)); });
    }
    list_->clear();
    for (const QString& cell : matches_)
        list_->addItem(
            QCoreApplication::translate("RowCaption", FindRow(cell.toLatin1().constData())->caption));
    if (matches_.isEmpty())
        list_->addItem(tr("No system found"));
    placeList();
    list_->show();
    list_->raise();
    list_->setCurrentRow(matches_.isEmpty() ? -1 : 0);
}

// Right-aligned with the field, its bottom on the field's top.
void FindField::placeList()
{
    const int rows = std::min<int>(list_->count(), kVisibleMatches);
    const int height = rows * list_->sizeHintForRow(0) + 2 * list_->frameWidth();
    const QPoint topRight = mapTo(window(), rect().topRight());
    list_->setGeometry(topRight.x() + 1 - kListWidth, topRight.y() - height, kListWidth, height);
}

void FindField::choose(int by)
{
    if (chosenMatch() >= 0)
        list_->setCurrentRow(std::clamp(list_->currentRow() + by, 0, int(matches_.size()) - 1));
}

void FindField::chooseRow(int index)
{
    if (index < 0 || index >= matches_.size())
        return;
    const QString cell = matches_[index];
    list_->hide();
    emit rowChosen(cell);
}

// Esc is the field's own while it has the focus: the window's Esc would
// close the window.
bool FindField::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
        && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void FindField::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (list_)
            list_->hide();
        emit leaveRequested();
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        choose(key == Qt::Key_Up ? -1 : 1);
    } else if (IsEnter(key)) {
        chooseRow(chosenMatch());
    } else {
        QLineEdit::keyPressEvent(event);
    }
}

void FindField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        find(text());
}

void FindField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (list_ && event->reason() != Qt::PopupFocusReason)
        list_->hide();
}

#include "signs/SignViews.h"

#include "signs/SignBySignView.h"

#include "rows/RowTable.h"
#include "rows/RowTexts.h"

#include <QWidget>

#include <algorithm>

SignViews::SignViews(QWidget* window, const RowTexts* texts, RowInteraction* rows)
    : QObject(window), window_(window), texts_(texts), rows_(rows)
{ }

std::vector<SignBySignView*> SignViews::views() const
{
    std::vector<SignBySignView*> open;
    for (const QPointer<SignBySignView>& view : views_)
        if (view)
            open.push_back(view);
    return open;
}

SignBySignView* SignViews::open(const QString& cell)
{
    for (SignBySignView* view : views()) {
        if (view->cell() == cell) {
            view->raise();
            view->activateWindow();
            return view;
        }
    }
    const RowSpec* row = FindRow(cell.toLatin1().constData());
    if (!row)
        return nullptr;
    auto* view = new SignBySignView(*row, texts_, rows_, window_);
    connect(view, &SignBySignView::showNumberRequested, this, &SignViews::showNumberRequested);
    connect(view, &QObject::destroyed, this, [this] {
        views_.erase(
            std::remove_if(views_.begin(), views_.end(), [](const auto& kept) { return kept.isNull(); }),
            views_.end());
    });
    views_.emplace_back(view);
    if (texts_->hasShown())
        view->showNumber(texts_->shownNumber());
    view->show();
    view->activateWindow();
    return view;
}

void SignViews::showNumber(int n)
{
    for (const QPointer<SignBySignView>& view : views_)
        if (view)
            view->showNumber(n);
}

void SignViews::closeAll()
{
    for (SignBySignView* view : views())
        view->close();
}

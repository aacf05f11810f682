#include "signs/BreakdownView.h"

#include "signs/PieceView.h"
#include "signs/SignDrawing.h"

#include <QBoxLayout>
#include <QLabel>

BreakdownView::BreakdownView(std::shared_ptr<const SignDrawing> drawing, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing)), layout_(new QHBoxLayout(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(8);
    layout_->addStretch(0);  // at the right of a right-to-left row's groups, which stand at the left
    // The sum stands on the line of the values, under a line of signs' height.
    auto* sumBox = new QWidget(this);
    auto* sumColumn = new QVBoxLayout(sumBox);
    sumColumn->setContentsMargins(0, 0, 0, 0);
    sumColumn->setSpacing(0);
    sumColumn->addSpacing(drawing_->lineHeight());
    sum_ = new QLabel(sumBox);
    sumColumn->addWidget(sum_, 0, Qt::AlignTop);
    sumColumn->addStretch(1);
    noForm_ = new QLabel(this);
    layout_->addWidget(sumBox);
    layout_->addWidget(noForm_);
    layout_->addStretch(1);
}

QString BreakdownView::valueText(const signs::Group& group, signs::Combine combine)
{
    if (combine == signs::Combine::Places && group.place != 1)
        return QStringLiteral("%1 × %2").arg(group.digit).arg(group.place);
    return QString::number(group.value);
}

// The slots are made once and kept; a number with fewer groups hides the rest.
BreakdownView::Slot& BreakdownView::slot(std::size_t index)
{
    while (slots_.size() <= index) {
        Slot made;
        made.plus = new QLabel(QStringLiteral("+"), this);
        made.plus->setAccessibleName(tr("plus"));
        made.box = new QWidget(this);
        auto* column = new QVBoxLayout(made.box);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        made.piece = new PieceView(drawing_, made.box);
        made.value = new QLabel(made.box);
        made.value->setAlignment(Qt::AlignHCenter);
        column->addWidget(made.piece, 0, Qt::AlignHCenter);
        column->addWidget(made.value, 0, Qt::AlignHCenter);
        const int at = 1 + int(slots_.size()) * 2;
        layout_->insertWidget(at, made.plus, 0, Qt::AlignVCenter);
        layout_->insertWidget(at + 1, made.box);
        slots_.push_back(made);
    }
    return slots_[index];
}

void BreakdownView::setBreakdown(const signs::Breakdown& breakdown, int number)
{
    layout_->setDirection(breakdown.rightToLeft ? QBoxLayout::RightToLeft : QBoxLayout::LeftToRight);
    layout_->setStretch(0, breakdown.rightToLeft ? 1 : 0);
    layout_->setStretch(layout_->count() - 1, breakdown.rightToLeft ? 0 : 1);
    const std::size_t count = breakdown.noForm ? 0 : breakdown.groups.size();
    for (std::size_t i = 0; i < count; ++i) {
        const signs::Group& group = breakdown.groups[i];
        Slot& at = slot(i);
        const QString value = valueText(group, breakdown.combine);
        at.piece->setPiece(group.piece, QString::fromStdString(group.text) + QLatin1Char(' ') + value);
        at.value->setText(value);
        at.plus->setVisible(i > 0);
        at.box->setVisible(true);
    }
    for (std::size_t i = count; i < slots_.size(); ++i) {
        slots_[i].plus->setVisible(false);
        slots_[i].box->setVisible(false);
    }
    shown_ = count;
    sum_->setText(QStringLiteral("= %1").arg(number));
    sum_->parentWidget()->setVisible(count > 0);
    noForm_->setText(breakdown.whatIsSaid.empty() ? tr("The system has no form for this number")
                                                  : QString::fromStdString(breakdown.whatIsSaid));
    noForm_->setVisible(breakdown.noForm);
}

std::vector<const PieceView*> BreakdownView::groupViews() const
{
    std::vector<const PieceView*> views;
    for (std::size_t i = 0; i < shown_; ++i)
        views.push_back(slots_[i].piece);
    return views;
}

#include "rows/RowAccessible.h"

#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "rows/RowTexts.h"

#include <QKeySequence>
#include <QLabel>

namespace {

const QString kCopy = QStringLiteral("Copy");

bool IsPictureRow(const QWidget* widget)
{
    return widget->inherits("PaintBox");
}

}  // namespace

RowAccessible::RowAccessible(QWidget* widget)
    : QAccessibleWidget(widget, IsPictureRow(widget) ? QAccessible::Graphic : QAccessible::StaticText)
{ }

// Row value widgets carry their cell's name and sit in the row panel named
// after the same cell.
bool RowAccessible::isRowWidget(const QWidget* widget)
{
    const QWidget* panel = widget->parentWidget();
    const QByteArray cell = widget->objectName().toLatin1();
    return panel && !cell.isEmpty() && FindRow(cell.constData())
        && panel->objectName() == QLatin1String("sp") + widget->objectName()
        && (widget->inherits("ValueCell") || widget->inherits("PaintBox")
            || qobject_cast<const QLabel*>(widget));
}

QString RowAccessible::cell() const
{
    return widget()->objectName();
}

QString RowAccessible::numeral() const
{
    const RowTexts* texts = RowTexts::of(widget());
    return texts ? texts->text(cell()) : QString();
}

QString RowAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return QString::fromUtf8(FindRow(cell().toLatin1().constData())->caption);
    case QAccessible::Value:
        return numeral();
    case QAccessible::Description: {
        const RowTexts* texts = RowTexts::of(widget());
        return texts ? texts->explanation(cell()) : QString();
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State RowAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

void* RowAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// The caption beside the value labels it.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
RowAccessible::relations(QAccessible::Relation match) const
{
    auto relations = QAccessibleWidget::relations(match);
    if (match & QAccessible::Label) {
        QWidget* caption = widget()->parentWidget()->findChild<QWidget*>(QStringLiteral("tp") + cell());
        if (QAccessibleInterface* label = caption ? QAccessible::queryAccessibleInterface(caption) : nullptr)
            relations.append({label, QAccessible::Label});
    }
    return relations;
}

QStringList RowAccessible::actionNames() const
{
    return QStringList{kCopy} + QAccessibleWidget::actionNames();
}

void RowAccessible::doAction(const QString& actionName)
{
    if (actionName != kCopy)
        return QAccessibleWidget::doAction(actionName);
    if (const auto* rows = widget()->window()->findChild<const RowInteraction*>())
        rows->copyRow(cell());
}

QStringList RowAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == kCopy)
        return {QKeySequence(QKeySequence::Copy).toString()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

QString RowAccessible::text(int startOffset, int endOffset) const
{
    return numeral().mid(startOffset, endOffset - startOffset);
}

int RowAccessible::characterCount() const
{
    return numeral().size();
}

void RowAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

// The text is not laid out as drawn; each character answers for the whole cell.
QRect RowAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return QRect();
    return rect();
}

int RowAccessible::offsetAtPoint(const QPoint& point) const
{
    return rect().contains(point) && characterCount() > 0 ? 0 : -1;
}

QString RowAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    if (offset < 0 || offset >= characterCount())
        *startOffset = *endOffset = offset;
    return QString();
}

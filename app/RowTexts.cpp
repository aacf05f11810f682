#include "RowTexts.h"

#include "RowTable.h"

#include <QWidget>

void RowTexts::setShown(int number, const QString& numberText)
{
    shown_ = Shown{number, numberText.toStdString()};
}

rowtext::RowText RowTexts::rowText(const QString& cell) const
{
    if (!shown_)
        return {};
    return rowtext::TextOf(cell.toStdString(), shown_->number, shown_->text);
}

QString RowTexts::text(const QString& cell) const
{
    if (!shown_)
        return QString();
    const rowtext::RowText row = rowText(cell);
    return row.text.empty() ? QString::fromUtf8(rowtext::kNoSignForZero) : QString::fromStdString(row.text);
}

QString RowTexts::isolatedText(const QString& cell) const
{
    if (!shown_)
        return QString();
    const rowtext::RowText row = rowText(cell);
    return row.text.empty() ? QString::fromUtf8(rowtext::kNoSignForZero)
                            : QString::fromStdString(rowtext::Isolated(row));
}

QString RowTexts::explanation(const QString& cell) const
{
    return QString::fromUtf8(rowtext::Explanation(cell.toStdString()));
}

// Rich text, so that the explanation wraps; the numeral in large type.
QString RowTexts::toolTip(const QString& cell) const
{
    QString tip = QStringLiteral("<qt><p>%1</p>").arg(explanation(cell).toHtmlEscaped());
    if (shown_) {
        const rowtext::RowText row = rowText(cell);
        tip += QStringLiteral("<p><big>%1</big></p>").arg(isolatedText(cell).toHtmlEscaped());
        if (!row.reading.empty())
            tip += QStringLiteral("<p>%1</p>").arg(QString::fromStdString(row.reading).toHtmlEscaped());
    }
    return tip + QStringLiteral("</qt>");
}

QString RowTexts::allRows() const
{
    QString lines;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        lines += QString::fromUtf8(row.caption) + QLatin1Char('\t');
        lines += isolatedText(QLatin1String(row.cell)) + QLatin1Char('\n');
    }
    return lines;
}

const RowTexts* RowTexts::of(const QWidget* widget)
{
    return widget ? widget->window()->findChild<const RowTexts*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

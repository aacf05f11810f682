#include "rows/RowTexts.h"

#include "rows/RowTable.h"

#include <QCoreApplication>
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
    return QString::fromStdString(rowtext::TextOrWhatIsSaid(rowText(cell)));
}

QString RowTexts::isolatedText(const QString& cell) const
{
    if (!shown_)
        return QString();
    const rowtext::RowText row = rowText(cell);
    return QString::fromStdString(row.text.empty() ? rowtext::TextOrWhatIsSaid(row) : rowtext::Isolated(row));
}

QString RowTexts::explanation(const QString& cell) const
{
    return QCoreApplication::translate(rowtext::kExplanationContext,
                                       rowtext::Explanation(cell.toStdString()));
}

// A right-to-left reading keeps its signs in their own order ahead of the
// sum of values: "⁧א׳ + ץ + צ + ד⁩ = 1000 + 900 + 90 + 4".
QString RowTexts::readingOf(const rowtext::RowText& row)
{
    QString reading = QString::fromStdString(row.reading);
    const int equals = reading.indexOf(QStringLiteral(" = "));
    if (row.direction == rowtext::Direction::RightToLeft && equals > 0)
        reading = QChar(0x2067) + reading.left(equals) + QChar(0x2069) + reading.mid(equals);
    return reading;
}

// Rich text, so that the explanation wraps; the numeral in large type.
// Every paragraph runs left to right, also where a right-to-left numeral
// comes first in it.
QString RowTexts::toolTip(const QString& cell) const
{
    const QString paragraph = QStringLiteral("<p dir=\"ltr\">%1</p>");
    QString tip = QStringLiteral("<qt>") + paragraph.arg(explanation(cell).toHtmlEscaped());
    if (shown_) {
        const rowtext::RowText row = rowText(cell);
        tip += paragraph.arg(QStringLiteral("<big>%1</big>").arg(isolatedText(cell).toHtmlEscaped()));
        if (!row.reading.empty())
            tip += paragraph.arg(readingOf(row).toHtmlEscaped());
    }
    return tip + QStringLiteral("</qt>");
}

QString RowTexts::allRows() const
{
    QString lines;
    for (const RowSpec& row : RowsInDisplayOrder()) {
        lines += QCoreApplication::translate("RowCaption", row.caption) + QLatin1Char('\t');
        lines += isolatedText(QLatin1String(row.cell)) + QLatin1Char('\n');
    }
    return lines;
}

const RowTexts* RowTexts::of(const QWidget* widget)
{
    return widget ? widget->window()->findChild<const RowTexts*>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

#include "rows/CaptionLabel.h"

CaptionLabel::CaptionLabel(const QString& text, const QSize& size, QWidget* parent) : QLabel(text, parent)
{
    setFixedSize(size);
}

QSize CaptionLabel::sizeHint() const
{
    return minimumSize();
}

QSize CaptionLabel::minimumSizeHint() const
{
    return minimumSize();
}

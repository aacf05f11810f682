#include "WindowPlacement.h"

#include <algorithm>

QPoint WindowTopLeft(const QRect& available, const QSize& frame)
{
    const int spareWidth = std::max(available.width() - frame.width(), 0);
    const int spareHeight = std::max(available.height() - frame.height(), 0);
    return available.topLeft() + QPoint(spareWidth / 2, spareHeight / 2);
}

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the window's frame goes on a screen: centred in the screen's
// available area along each direction in which it fits, and at the area's
// left or top edge along one in which it does not, so that the title bar
// and the number field stay reachable on a screen too small for the window.
QPoint WindowTopLeft(const QRect& available, const QSize& frame);

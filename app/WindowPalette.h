#pragma once

#include <QPalette>

// The window's colours, every role of every colour group set, so that no
// desktop theme or application palette reaches the window: black text, a
// white ground, a white field with black text and light grey controls.
QPalette FixedWindowPalette();

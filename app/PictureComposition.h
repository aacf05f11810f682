#pragma once

#include "pictures/PictureNumerals.h"

#include <QString>

class PaintBox;
class PictureHolder;

// Replaces the holder's picture with the named GIF picture of the program's
// resources, decoded afresh.
void LoadGifPicture(PictureHolder& holder, const QString& name);

// One composition for a picture row's paint box: a white strip the size of
// the box, the cursor at 1, every picture loaded into the holder and drawn
// at the cursor (at the top edge, or centred for the Hieratic box), every gap
// added to the cursor, and finally the strip copied onto the box at the
// box's offset. An error leaves before the copy, so the box keeps what it had.
void ComposePictures(PaintBox& box, PictureHolder& holder, const PictureSequence& steps);

#pragma once

#include "pictures/PictureNumerals.h"

#include <QImage>
#include <QString>

class PaintBox;
class PictureHolder;

// The pictures under the resource type "GIF2X" are this many times as large
// as those under "GIF".
constexpr int kFinePictureScale = 2;

// The named picture of the program's resources of the given type ("GIF",
// "GIF2X"), decoded afresh by the program's GIF reader.
QImage DecodeGifResource(const QString& type, const QString& name);

// Replaces the holder's picture with the named GIF picture of the program's
// resources. Each picture is decoded the first time it is asked for and
// kept for the life of the process (the resources cannot change while it
// runs); a picture that cannot be read is not kept, so every request for
// it fails alike, and the holder is left empty.
void LoadGifPicture(PictureHolder& holder, const QString& name);

// The named picture as the strips take it (their format), decoded the first
// time it is asked for and kept: the plain picture, or with `fine` the one
// kFinePictureScale times as large (that device pixel ratio).
QImage StripPicture(const QString& name, bool fine);

// One composition for a picture row's paint box: a white strip the size of
// the box, the cursor at 1, every picture loaded into the holder and drawn
// at the cursor (at the top edge, or centred for the Hieratic box), every gap
// added to the cursor, and finally the strip copied onto the box at the
// box's offset. An error leaves before the copy, so the box keeps what it had.
// Where the box's device pixel ratio is above 1 the box also gets the same
// strip composed of the fine pictures, at the same logical places.
void ComposePictures(PaintBox& box, PictureHolder& holder, const PictureSequence& steps);

#pragma once
// Turns a loaded TGIFImage into a Qt bitmap: the first frame on the logical
// screen, 8-bit indexed with a 256-entry colour table.
//
//     QImage bitmap;
//     gif::CopyImageTo(image, bitmap);
//     bitmap.save("picture.ppm", "PPM");   // e.g. as a PPM file
//
// Later frames, the background colour, transparency and timing do not
// reach the bitmap; a pixel holding the transparent index shows that
// index's colour.
#include <QImage>

#include "gif/GIFBitmapError.h"
#include "gif/GIFImage.h"
#include "gif/GIFPalette.h"

namespace gif {

// The frame as an Indexed8 bitmap of its own size whose colour table is the
// frame palette followed by black; a null image for an empty frame. Built
// once and kept with the frame. Raises BitmapMemoryError "Failed to
// allocate memory for GIF DIB" and the palette's GIFException.
QImage BuildFrameBitmap(const TGIFSubImage& frame);

// The image as an Indexed8 bitmap of the logical screen's size: the first
// frame where it lies, white around it; a null image for an empty image.
// Built once and kept with the image. Raises GIFException "No global or
// local color table defined" when there are pixels but no colours, and
// "Image too large" for a logical screen above 64 Mi pixels.
QImage BuildImageBitmap(const TGIFImage& image);

// Gives dest the image bitmap (a null QImage for an empty image). dest
// shares its pixels with the image's bitmap and stays valid when the image
// is freed.
void CopyImageTo(const TGIFImage& image, QImage& dest);

}  // namespace gif

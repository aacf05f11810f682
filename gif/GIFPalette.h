#pragma once
// Palettes for the bitmap output, built on first request and kept with the
// image or frame until it is cleared.
#include "gif/GIFSubImage.h"

namespace gif {

class TGIFImage;

// Exactly Count entries: the table's colours in order.
TGIFPalette ColorMapToPalette(const TGIFColorMap& colorMap);
// The global colour table, else the first frame's local one. Raises
// GIFException "No global or local color table defined" when neither has
// entries.
const TGIFPalette& BuildImagePalette(const TGIFImage& image);
// The frame's local colour table, else the image palette.
const TGIFPalette& BuildFramePalette(const TGIFSubImage& frame);

}  // namespace gif

#include "gif/GIFPalette.h"

#include "gif/GIFException.h"
#include "gif/GIFImage.h"

namespace gif {

TGIFPalette ColorMapToPalette(const TGIFColorMap& colorMap)
{
    return TGIFPalette(colorMap.Data(), colorMap.Data() + colorMap.Count());
}

const TGIFPalette& BuildImagePalette(const TGIFImage& image)
{
    if (image.PaletteCache)
        return *image.PaletteCache;
    const TGIFColorMap& global = image.Header().ColorMap();
    const TGIFSubImage* first = image.Images().First();
    if (global.Count() > 0)
        image.PaletteCache = ColorMapToPalette(global);
    else if (first && first->ColorMap().Count() > 0)
        image.PaletteCache = BuildFramePalette(*first);
    else
        throw GIFException(messages::NoColorTable);
    return *image.PaletteCache;
}

const TGIFPalette& BuildFramePalette(const TGIFSubImage& frame)
{
    if (frame.PaletteCache)
        return *frame.PaletteCache;
    if (frame.ColorMap().Count() > 0)
        frame.PaletteCache = ColorMapToPalette(frame.ColorMap());
    else
        frame.PaletteCache = BuildImagePalette(*frame.Image());
    return *frame.PaletteCache;
}

}  // namespace gif

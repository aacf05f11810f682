#pragma once
// One frame: its extensions, local colour table, Image Descriptor and
// decoded pixels.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "gif/GIFColorMap.h"
#include "gif/GIFExtensions.h"
#include "gif/GIFItem.h"

namespace gif {

// An ordered list of colours made from a colour table.
using TGIFPalette = std::vector<TGIFColor>;

// The 10-byte Image Descriptor, exactly as read.
struct TGIFImageDescriptor {
    uint8_t Separator = kImageSeparator;
    uint16_t Left = 0;
    uint16_t Top = 0;
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t PackedFields = 0;
};

// A frame's extensions, in stream order.
class TGIFExtensionList final : public TGIFList<TGIFExtension> {
public:
    explicit TGIFExtensionList(TGIFSubImage& frame);
    TGIFSubImage& Frame() const { return *frame_; }
    // Reads the extensions in front of the frame's image, and leaves the
    // stream on the byte after them.
    void LoadFromStream(Stream& stream) override;
    const char* ClassName() const override { return "TGIFExtensionList"; }

private:
    TGIFSubImage* frame_;
};

class TGIFSubImage final : public TGIFItem {
public:
    explicit TGIFSubImage(TGIFImage* image);

    const TGIFImageDescriptor& Descriptor() const { return descriptor_; }
    int Left() const { return descriptor_.Left; }
    int Top() const { return descriptor_.Top; }
    int Width() const { return descriptor_.Width; }
    int Height() const { return descriptor_.Height; }
    bool Interlaced() const { return (descriptor_.PackedFields & 0x40) != 0; }
    bool HasLocalColorTable() const { return (descriptor_.PackedFields & 0x80) != 0; }

    TGIFExtensionList& Extensions() { return extensions_; }
    const TGIFExtensionList& Extensions() const { return extensions_; }
    TGIFLocalColorMap& ColorMap() { return colorMap_; }
    const TGIFLocalColorMap& ColorMap() const { return colorMap_; }
    // Width x height colour indexes, rows top to bottom; null without pixels.
    const uint8_t* Data() const { return pixels_.get(); }
    size_t DataSize() const { return pixels_ ? size_t(Width()) * Height() : 0; }
    bool Empty() const { return !pixels_ || Width() == 0 || Height() == 0; }
    bool Transparent() const { return transparent_; }
    // The first graphic control extension read for this frame, if any.
    const TGIFGraphicControlExtension* GraphicControlExtension() const { return graphicControl_; }

    // Called by a graphic control extension of this frame once it is read.
    void AdoptGraphicControl(const TGIFGraphicControlExtension& extension);

    void Clear();
    void LoadFromStream(Stream& stream) override;
    const char* ClassName() const override { return "TGIFSubImage"; }

    // Kept by the bitmap output until the frame is cleared.
    mutable std::unique_ptr<TGIFRenderCache> BitmapCache;
    mutable std::optional<TGIFPalette> PaletteCache;

private:
    bool ReadImageDescriptor(Stream& stream);

    TGIFExtensionList extensions_;
    TGIFLocalColorMap colorMap_;
    TGIFImageDescriptor descriptor_;
    std::unique_ptr<uint8_t[]> pixels_;
    bool transparent_ = false;
    const TGIFGraphicControlExtension* graphicControl_ = nullptr;
};

}  // namespace gif

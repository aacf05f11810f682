#pragma once
// The signature, the Logical Screen Descriptor and the global colour table.
#include <array>
#include <cstdint>

#include "gif/GIFColorMap.h"
#include "gif/GIFItem.h"

namespace gif {

// The 7-byte Logical Screen Descriptor, exactly as read.
struct TGIFScreenDescriptor {
    uint16_t LogicalScreenWidth = 0;
    uint16_t LogicalScreenHeight = 0;
    uint8_t PackedFields = 0;
    uint8_t BackgroundColorIndex = 0;
    uint8_t PixelAspectRatio = 0;
};

class TGIFHeader final : public TGIFItem {
public:
    explicit TGIFHeader(TGIFImage* image) : TGIFItem(image), colorMap_(*this) { }

    const TGIFScreenDescriptor& Descriptor() const { return descriptor_; }
    // The 3 version bytes after "GIF", as read.
    const std::array<char, 3>& Version() const { return version_; }
    int Width() const { return descriptor_.LogicalScreenWidth; }
    int Height() const { return descriptor_.LogicalScreenHeight; }
    bool HasGlobalColorTable() const { return (descriptor_.PackedFields & 0x80) != 0; }
    TGIFGlobalColorMap& ColorMap() { return colorMap_; }
    const TGIFGlobalColorMap& ColorMap() const { return colorMap_; }

    void Clear();
    void LoadFromStream(Stream& stream) override;
    const char* ClassName() const override { return "TGIFHeader"; }

private:
    void ReadSignature(Stream& stream);

    TGIFScreenDescriptor descriptor_;
    std::array<char, 3> version_{};
    TGIFGlobalColorMap colorMap_;
};

// Entries of the colour table that packed fields announce (their low 3 bits).
inline int ColorTableEntries(uint8_t packedFields)
{
    return 2 << (packedFields & 7);
}

}  // namespace gif

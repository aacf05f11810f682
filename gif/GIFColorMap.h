#pragma once
// Colour tables: the global one of the header and the local one of a frame.
#include <array>
#include <cstdint>
#include <string>

#include "gif/GIFItem.h"

namespace gif {

class TGIFHeader;
class TGIFSubImage;

struct TGIFColor {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    bool operator==(const TGIFColor& other) const
    {
        return Red == other.Red && Green == other.Green && Blue == other.Blue;
    }
    bool operator!=(const TGIFColor& other) const { return !(*this == other); }
};

class TGIFColorMap : public TGIFObject {
public:
    static constexpr int kMaxColors = 256;

    TGIFColorMap() = default;
    TGIFColorMap(const TGIFColorMap&) = delete;
    TGIFColorMap& operator=(const TGIFColorMap&) = delete;

    int Count() const { return count_; }
    // Room reserved: 16 entries for up to 16 colours, else the next
    // multiple of 32, at most 256.
    int Capacity() const { return capacity_; }
    const TGIFColor& operator[](int index) const { return colors_[index]; }
    const TGIFColor* Data() const { return colors_.data(); }
    void Add(const TGIFColor& color);
    void Clear();
    // Reads count entries (at most 256) of red, green, blue.
    void LoadFromStream(Stream& stream, int count);
    // The image the table belongs to (may be null).
    virtual const TGIFImage* Image() const = 0;
    virtual void ReportWarning(TGIFSeverity severity, const std::string& message) const;

private:
    void Reserve(int count);

    std::array<TGIFColor, kMaxColors> colors_{};
    int count_ = 0;
    int capacity_ = 0;
};

class TGIFGlobalColorMap final : public TGIFColorMap {
public:
    explicit TGIFGlobalColorMap(TGIFHeader& header) : header_(&header) { }
    TGIFHeader& Header() const { return *header_; }
    const TGIFImage* Image() const override;
    const char* ClassName() const override { return "TGIFGlobalColorMap"; }

private:
    TGIFHeader* header_;
};

class TGIFLocalColorMap final : public TGIFColorMap {
public:
    explicit TGIFLocalColorMap(TGIFSubImage& frame) : frame_(&frame) { }
    TGIFSubImage& Frame() const { return *frame_; }
    const TGIFImage* Image() const override;
    const char* ClassName() const override { return "TGIFLocalColorMap"; }

private:
    TGIFSubImage* frame_;
};

}  // namespace gif

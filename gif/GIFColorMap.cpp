#include "gif/GIFColorMap.h"

#include <algorithm>

#include "gif/GIFHeader.h"
#include "gif/GIFSubImage.h"
#include "gif/Stream.h"

namespace gif {
namespace {

int CapacityFor(int count)
{
    if (count <= 16)
        return 16;
    return std::min(TGIFColorMap::kMaxColors, (count + 31) / 32 * 32);
}

}  // namespace

void TGIFColorMap::Reserve(int count)
{
    if (count > capacity_)
        capacity_ = CapacityFor(count);
}

void TGIFColorMap::Add(const TGIFColor& color)
{
    if (count_ == kMaxColors)
        return;
    Reserve(count_ + 1);
    colors_[count_++] = color;
}

void TGIFColorMap::Clear()
{
    count_ = 0;
    capacity_ = 0;
}

void TGIFColorMap::LoadFromStream(Stream& stream, int count)
{
    Clear();
    count = std::clamp(count, 0, kMaxColors);
    uint8_t bytes[kMaxColors * 3];
    ReadExact(stream, bytes, size_t(count) * 3);
    Reserve(count);
    for (int i = 0; i < count; ++i)
        colors_[i] = TGIFColor{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    count_ = count;
}

void TGIFColorMap::ReportWarning(TGIFSeverity severity, const std::string& message) const
{
    ReportWarningTo(Image(), *this, severity, message);
}

const TGIFImage* TGIFGlobalColorMap::Image() const
{
    return header_->Image();
}

const TGIFImage* TGIFLocalColorMap::Image() const
{
    return frame_->Image();
}

}  // namespace gif

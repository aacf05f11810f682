#include "gif/DecodeFrameData.h"

#include <cstring>
#include <new>

#include "gif/GIFException.h"
#include "gif/LzwDecoder.h"
#include "gif/Stream.h"
#include "gif/SubBlockReader.h"

namespace gif {

void InterlacedRowOrder::Advance()
{
    row_ += step_;
    while (row_ >= height_ && pass_ < 4) {
        // The second pass keeps the first pass's step of 8.
        if (pass_ > 0)
            step_ /= 2;
        ++pass_;
        row_ = step_ / 2;
    }
}

namespace {

std::unique_ptr<uint8_t[]> AllocatePixels(uint64_t count, uint8_t prefill)
{
    if (count == 0)
        return nullptr;
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[count]);
    if (!pixels)
        throw GIFException(messages::ImageTooLarge);
    std::memset(pixels.get(), prefill, count);
    return pixels;
}

void FillPixels(lzw::Decoder& decoder, uint8_t* pixels, int width, int height, bool interlaced)
{
    if (!pixels)
        return;
    if (!interlaced) {
        decoder.Decode(pixels, size_t(width) * height);
        return;
    }
    InterlacedRowOrder order(height);
    for (int filled = 0; filled < height; ++filled, order.Advance()) {
        if (decoder.Decode(pixels + size_t(order.Row()) * width, width) < size_t(width))
            return;
    }
}

}  // namespace

std::unique_ptr<uint8_t[]> DecodeFrameData(Stream& stream, int width, int height, bool interlaced,
                                           uint8_t prefill, const TGIFItem& sender)
{
    const uint64_t count = uint64_t(width) * uint64_t(height);
    if (count > kMaxFramePixels)
        throw GIFException(messages::ImageTooLarge);
    uint8_t minimumCodeSize;
    if (!ReadByte(stream, minimumCodeSize))
        return AllocatePixels(count, prefill);
    if (minimumCodeSize > lzw::kMaxMinimumCodeSize)
        throw GIFException(messages::InvalidCodeSize);
    std::unique_ptr<uint8_t[]> pixels = AllocatePixels(count, prefill);

    SubBlockReader input(stream, sender);
    lzw::Decoder decoder(minimumCodeSize, input);
    try {
        FillPixels(decoder, pixels.get(), width, height, interlaced);
        // Normally the end code: it skips the rest of the data.
        decoder.NextColourIndex();
    } catch (const lzw::CircularTableEntry&) {
        throw GIFException(messages::CircularTableEntry);
    }
    return pixels;
}

}  // namespace gif

#pragma once
// Turns a frame's table-based image data into its pixel buffer.
#include <cstdint>
#include <memory>

namespace gif {

class Stream;
class TGIFItem;

// The most pixels the reader decodes for one frame, and for all frames of
// an image together: a few bytes of GIF can claim gigabytes of pixels.
constexpr uint64_t kMaxFramePixels = uint64_t(64) << 20;
constexpr uint64_t kMaxImagePixels = kMaxFramePixels;

// The rows of an interlaced frame in the order they are stored: every 8th
// row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
class InterlacedRowOrder {
public:
    explicit InterlacedRowOrder(int height) : height_(height) { }
    int Row() const { return row_; }
    void Advance();

private:
    int height_;
    int step_ = 8;
    int pass_ = 0;
    int row_ = 0;
};

// Reads the LZW minimum code size, the data sub-blocks and their terminator
// at the stream's position and returns width x height colour indexes, rows
// top to bottom (null when there are no pixels). Pixels the data do not
// reach hold prefill. Warnings go out with sender as their sender.
// Raises GIFException "Image too large", "Invalid LZW code size" and
// "Circular decoder table entry".
std::unique_ptr<uint8_t[]> DecodeFrameData(Stream& stream, int width, int height, bool interlaced,
                                           uint8_t prefill, const TGIFItem& sender);

}  // namespace gif

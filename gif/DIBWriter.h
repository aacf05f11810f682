#pragma once
// Writes a frame as an in-memory BMP file: 8 bits per pixel, a 256-entry
// colour table (the frame palette, then black), rows bottom-up.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "gif/GIFSubImage.h"

namespace gif {

class TDIBWriter {
public:
    static constexpr size_t kFileHeaderSize = 14;
    static constexpr size_t kInfoHeaderSize = 40;
    static constexpr size_t kColorTableSize = 256 * 4;
    static constexpr size_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kColorTableSize;

    // Called every 32 rows with the share of rows done, in percent.
    using RowProgress = std::function<void(int percent)>;

    // pixels: width x height colour indexes, rows top to bottom.
    TDIBWriter(const uint8_t* pixels, int width, int height, const TGIFPalette& palette);
    // The whole BMP file. Raises BitmapMemoryError when there is no memory
    // for it.
    std::vector<uint8_t> WriteBMP(const RowProgress& progress = {}) const;
    static size_t RowStride(int width) { return (size_t(width) + 3) & ~size_t(3); }

private:
    void WriteHeaders(uint8_t* out, size_t fileSize) const;
    void WriteColorTable(uint8_t* out) const;
    void WriteRows(uint8_t* out, const RowProgress& progress) const;

    const uint8_t* pixels_;
    int width_;
    int height_;
    const TGIFPalette& palette_;
};

}  // namespace gif

#include "gif/DIBWriter.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "gif/GIFBitmapError.h"

namespace gif {
namespace {

void Put16(uint8_t* out, uint32_t value)
{
    out[0] = uint8_t(value);
    out[1] = uint8_t(value >> 8);
}

void Put32(uint8_t* out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out + 2, value >> 16);
}

}  // namespace

TDIBWriter::TDIBWriter(const uint8_t* pixels, int width, int height, const TGIFPalette& palette)
    : pixels_(pixels), width_(width), height_(height), palette_(palette)
{ }

std::vector<uint8_t> TDIBWriter::WriteBMP(const RowProgress& progress) const
{
    const size_t fileSize = kPixelOffset + RowStride(width_) * size_t(height_);
    std::vector<uint8_t> file;
    try {
        file.resize(fileSize);
    } catch (const std::bad_alloc&) {
        throw BitmapMemoryError(messages::DIBAllocationFailed);
    }
    WriteHeaders(file.data(), fileSize);
    WriteColorTable(file.data() + kFileHeaderSize + kInfoHeaderSize);
    WriteRows(file.data() + kPixelOffset, progress);
    return file;
}

void TDIBWriter::WriteHeaders(uint8_t* out, size_t fileSize) const
{
    const uint32_t important = static_cast<uint32_t>(std::min<size_t>(palette_.size(), 256));
    out[0] = 'B';
    out[1] = 'M';
    Put32(out + 2, static_cast<uint32_t>(fileSize));
    Put32(out + 6, 0);
    Put32(out + 10, kPixelOffset);
    uint8_t* info = out + kFileHeaderSize;
    Put32(info, kInfoHeaderSize);
    Put32(info + 4, static_cast<uint32_t>(width_));
    Put32(info + 8, static_cast<uint32_t>(height_));  // positive: bottom-up rows
    Put16(info + 12, 1);                              // planes
    Put16(info + 14, 8);                              // bits per pixel
    Put32(info + 16, 0);                              // no compression
    Put32(info + 20, static_cast<uint32_t>(RowStride(width_) * size_t(height_)));
    Put32(info + 24, 0);
    Put32(info + 28, 0);
    Put32(info + 32, 256);  // colours used
    Put32(info + 36, important);
}

void TDIBWriter::WriteColorTable(uint8_t* out) const
{
    // Entries past the palette are black (the vector is zeroed already).
    const size_t count = std::min<size_t>(palette_.size(), 256);
    for (size_t i = 0; i < count; ++i) {
        out[4 * i] = palette_[i].Blue;
        out[4 * i + 1] = palette_[i].Green;
        out[4 * i + 2] = palette_[i].Red;
        out[4 * i + 3] = 0;
    }
}

void TDIBWriter::WriteRows(uint8_t* out, const RowProgress& progress) const
{
    const size_t stride = RowStride(width_);
    for (int row = 0; row < height_; ++row) {
        // Bottom-up: the top row goes last.
        uint8_t* target = out + size_t(height_ - 1 - row) * stride;
        std::memcpy(target, pixels_ + size_t(row) * width_, size_t(width_));
        if (progress && row % 32 == 31)
            progress(static_cast<int>((int64_t(row) + 1) * 100 / height_));
    }
}

}  // namespace gif

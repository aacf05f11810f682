#include "GifEncoder.h"

#include <algorithm>
#include <stdexcept>

namespace giftest {

void CodePacker::Put(int code, int bits)
{
    accumulator_ |= uint32_t(code & ((1 << bits) - 1)) << pending_;
    pending_ += bits;
    bitCount_ += size_t(bits);
    while (pending_ >= 8) {
        bytes_.push_back(uint8_t(accumulator_));
        accumulator_ >>= 8;
        pending_ -= 8;
    }
}

Bytes CodePacker::Finish()
{
    if (pending_ > 0)
        bytes_.push_back(uint8_t(accumulator_));
    accumulator_ = 0;
    pending_ = 0;
    return std::move(bytes_);
}

namespace {

// The string table: child[prefix * 256 + index] is the code of prefix's
// string extended by index, or -1.
class EncoderTable {
public:
    EncoderTable() : child_(4096 * 256, -1) { }
    int Find(int prefix, int index) const { return child_[size_t(prefix) * 256 + index]; }
    void Add(int prefix, int index, int code)
    {
        const size_t key = size_t(prefix) * 256 + index;
        child_[key] = int16_t(code);
        used_.push_back(key);
    }
    void Clear()
    {
        for (size_t key : used_)
            child_[key] = -1;
        used_.clear();
    }

private:
    std::vector<int16_t> child_;
    std::vector<size_t> used_;
};

}  // namespace

Bytes LzwEncode(const uint8_t* indexes, size_t count, const LzwOptions& options, LzwStats* stats)
{
    const int clear = 1 << options.MinimumCodeSize;
    const int end = clear + 1;
    LzwStats counted;
    CodePacker out;
    EncoderTable table;
    int size = options.MinimumCodeSize + 1;
    int next = clear + 2;
    out.Put(clear, size);
    ++counted.Clears;
    bool firstAfterClear = true;
    if (count > 0) {
        int prefix = indexes[0];
        for (size_t i = 1; i < count; ++i) {
            const int index = indexes[i];
            const int found = table.Find(prefix, index);
            if (found >= 0) {
                prefix = found;
                continue;
            }
            out.Put(prefix, size);
            ++counted.Codes;
            counted.CodesOnFullTable += next == 4096;
            firstAfterClear = false;
            if (next < 4096) {
                table.Add(prefix, index, next);
                // The decoder defines this entry one code later and widens
                // its codes when the entry fills the current width.
                if (next == (1 << size) && size < 12)
                    ++size;
                ++next;
            } else if (options.Policy == ClearPolicy::ClearWhenFull) {
                out.Put(clear, size);
                ++counted.Clears;
                table.Clear();
                size = options.MinimumCodeSize + 1;
                next = clear + 2;
                firstAfterClear = true;
            }
            prefix = index;
        }
        out.Put(prefix, size);
        ++counted.Codes;
        // Reading that last code the decoder defines one more entry, which
        // may widen the end code.
        if (!firstAfterClear && next < 4096 && next == (1 << size) && size < 12)
            ++size;
    }
    if (options.WriteEndCode)
        out.Put(end, size);
    counted.Codes += counted.Clears + (options.WriteEndCode ? 1 : 0);
    if (stats)
        *stats = counted;
    return out.Finish();
}

Bytes SubBlocks(const Bytes& data, int blockSize, bool terminator)
{
    Bytes out;
    for (size_t at = 0; at < data.size(); at += size_t(blockSize)) {
        const size_t n = std::min(data.size() - at, size_t(blockSize));
        out.push_back(uint8_t(n));
        out.insert(out.end(), data.begin() + long(at), data.begin() + long(at + n));
    }
    if (terminator)
        out.push_back(0);
    return out;
}

std::vector<uint8_t> InterlaceRows(const std::vector<uint8_t>& pixels, int width, int height)
{
    static const int kStart[4] = {0, 4, 2, 1};
    static const int kStep[4] = {8, 8, 4, 2};
    std::vector<uint8_t> out;
    out.reserve(pixels.size());
    for (int pass = 0; pass < 4; ++pass)
        for (int row = kStart[pass]; row < height; row += kStep[pass])
            out.insert(out.end(), pixels.begin() + long(row) * width, pixels.begin() + long(row + 1) * width);
    return out;
}

int TableSizeField(size_t entries)
{
    int field = 0;
    while ((size_t(2) << field) < entries)
        ++field;
    return field;
}

GifWriter& GifWriter::Header(const std::string& signature)
{
    bytes_.insert(bytes_.end(), signature.begin(), signature.end());
    return *this;
}

void GifWriter::Put16(int value)
{
    bytes_.push_back(uint8_t(value));
    bytes_.push_back(uint8_t(value >> 8));
}

void GifWriter::PutTable(const std::vector<Color>& table)
{
    const size_t entries = size_t(2) << TableSizeField(table.size());
    for (size_t i = 0; i < entries; ++i) {
        const Color c = i < table.size() ? table[i] : Color{};
        bytes_.insert(bytes_.end(), {c.Red, c.Green, c.Blue});
    }
}

GifWriter& GifWriter::Screen(int width, int height, const std::vector<Color>& globalTable, uint8_t background,
                             uint8_t aspect)
{
    Put16(width);
    Put16(height);
    const uint8_t packed = globalTable.empty() ? 0x70 : uint8_t(0xF0 | TableSizeField(globalTable.size()));
    bytes_.insert(bytes_.end(), {packed, background, aspect});
    if (!globalTable.empty())
        PutTable(globalTable);
    return *this;
}

GifWriter& GifWriter::ImageDescriptor(int left, int top, int width, int height, uint8_t packed)
{
    bytes_.push_back(0x2C);
    Put16(left);
    Put16(top);
    Put16(width);
    Put16(height);
    bytes_.push_back(packed);
    return *this;
}

GifWriter& GifWriter::Frame(const FrameSpec& frame)
{
    uint8_t packed = frame.Interlaced ? 0x40 : 0x00;
    if (!frame.LocalTable.empty())
        packed |= uint8_t(0x80 | TableSizeField(frame.LocalTable.size()));
    ImageDescriptor(frame.Left, frame.Top, frame.Width, frame.Height, packed);
    if (!frame.LocalTable.empty())
        PutTable(frame.LocalTable);
    const std::vector<uint8_t> stored =
        frame.Interlaced ? InterlaceRows(frame.Pixels, frame.Width, frame.Height) : frame.Pixels;
    bytes_.push_back(uint8_t(frame.Lzw.MinimumCodeSize));
    const Bytes blocks = SubBlocks(LzwEncode(stored, frame.Lzw), frame.SubBlockSize);
    bytes_.insert(bytes_.end(), blocks.begin(), blocks.end());
    return *this;
}

GifWriter& GifWriter::GraphicControl(uint8_t packed, uint16_t delay, uint8_t transparentIndex)
{
    bytes_.insert(bytes_.end(), {0x21, 0xF9, 0x04, packed});
    Put16(delay);
    bytes_.insert(bytes_.end(), {transparentIndex, 0x00});
    return *this;
}

GifWriter& GifWriter::Comment(const std::string& text)
{
    bytes_.insert(bytes_.end(), {0x21, 0xFE});
    const Bytes blocks = SubBlocks(Bytes(text.begin(), text.end()));
    bytes_.insert(bytes_.end(), blocks.begin(), blocks.end());
    return *this;
}

GifWriter& GifWriter::LoopExtension(uint16_t loops)
{
    static const char kIdentifier[] = "NETSCAPE2.0";
    bytes_.insert(bytes_.end(), {0x21, 0xFF, 0x0B});
    bytes_.insert(bytes_.end(), kIdentifier, kIdentifier + 11);
    bytes_.insert(bytes_.end(), {0x03, 0x01});
    Put16(loops);
    bytes_.push_back(0x00);
    return *this;
}

GifWriter& GifWriter::Byte(uint8_t value)
{
    bytes_.push_back(value);
    return *this;
}

GifWriter& GifWriter::Raw(const Bytes& bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

GifWriter& GifWriter::Trailer()
{
    bytes_.push_back(0x3B);
    return *this;
}

}  // namespace giftest

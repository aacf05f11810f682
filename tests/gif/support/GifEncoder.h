#pragma once
// A small GIF writer for tests: LZW encoding with a choice of clear-code
// policy, sub-block framing, interlaced row order and the blocks of a GIF
// stream. Qt-free so that the benchmark and the fuzz seeds can use it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace giftest {

using Bytes = std::vector<uint8_t>;

struct Color {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
};

// Packs codes of any width, least significant bit first.
class CodePacker {
public:
    void Put(int code, int bits);
    // The packed bytes; a partial last byte is padded with zero bits.
    Bytes Finish();
    size_t BitCount() const { return bitCount_; }

private:
    Bytes bytes_;
    uint32_t accumulator_ = 0;
    int pending_ = 0;
    size_t bitCount_ = 0;
};

enum class ClearPolicy {
    ClearWhenFull,  // a clear code as soon as the table holds 4096 entries
    KeepFullTable,  // go on with 12-bit codes against the full table
};

struct LzwOptions {
    int MinimumCodeSize = 8;
    ClearPolicy Policy = ClearPolicy::ClearWhenFull;
    bool WriteEndCode = true;
};

// What an encoding did, so that tests can tell which cases they reach.
struct LzwStats {
    size_t Codes = 0;             // all codes written
    size_t Clears = 0;            // clear codes, the first one included
    size_t CodesOnFullTable = 0;  // codes written while the table was full
};

// The packed LZW codes for the indexes (each below 2^MinimumCodeSize).
Bytes LzwEncode(const uint8_t* indexes, size_t count, const LzwOptions& options, LzwStats* stats = nullptr);
inline Bytes LzwEncode(const std::vector<uint8_t>& indexes, const LzwOptions& options,
                       LzwStats* stats = nullptr)
{
    return LzwEncode(indexes.data(), indexes.size(), options, stats);
}
// data as sub-blocks of at most blockSize bytes, then a terminator.
Bytes SubBlocks(const Bytes& data, int blockSize = 255, bool terminator = true);
// The rows of a frame reordered as an interlaced frame stores them.
std::vector<uint8_t> InterlaceRows(const std::vector<uint8_t>& pixels, int width, int height);
// The size field (0..7) for a table of entries colours (a power of 2).
int TableSizeField(size_t entries);

struct FrameSpec {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Interlaced = false;
    std::vector<Color> LocalTable;  // empty: none
    std::vector<uint8_t> Pixels;    // Width x Height, rows top to bottom
    LzwOptions Lzw;
    int SubBlockSize = 255;
};

// Builds a GIF stream block by block.
class GifWriter {
public:
    GifWriter& Header(const std::string& signature = "GIF89a");
    GifWriter& Screen(int width, int height, const std::vector<Color>& globalTable, uint8_t background = 0,
                      uint8_t aspect = 0);
    GifWriter& Frame(const FrameSpec& frame);
    GifWriter& ImageDescriptor(int left, int top, int width, int height, uint8_t packed);
    GifWriter& GraphicControl(uint8_t packed, uint16_t delay, uint8_t transparentIndex);
    GifWriter& Comment(const std::string& text);
    GifWriter& LoopExtension(uint16_t loops);
    GifWriter& Byte(uint8_t value);
    GifWriter& Raw(const Bytes& bytes);
    GifWriter& Trailer();
    const Bytes& Data() const { return bytes_; }

private:
    void Put16(int value);
    void PutTable(const std::vector<Color>& table);

    Bytes bytes_;
};

}  // namespace giftest

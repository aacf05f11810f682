#pragma once
// Variable-width LZW decoding with clear and end codes and a 4096-entry
// table. The decoder knows nothing of the file format around the codes: it
// asks a ChunkSource for packed code bytes and hands out colour indexes.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace lzw {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;
// Above this the clear code's table set-up would not fit the table.
constexpr int kMaxMinimumCodeSize = 11;
constexpr int kStackSize = 8192;
constexpr int kMaxChunk = 255;

// Where the packed code bytes come from.
class ChunkSource {
public:
    static constexpr int kEndOfData = 0;
    static constexpr int kExhausted = -1;

    virtual ~ChunkSource() = default;
    // Copies the next chunk (1 to kMaxChunk bytes) to dest and returns its
    // length; kEndOfData when the data's end marker was read; kExhausted
    // when the input ended without one.
    virtual int ReadChunk(uint8_t* dest) = 0;
    // The end code was decoded: drop what is left of the code data, through
    // the end marker, unless the marker was read already.
    virtual void DiscardRest() = 0;
    // A code was requested after the end marker and after the last bit.
    virtual void ReportUnderRun() = 0;
};

// A prefix chain that loops back on itself (or is longer than any string
// the table can hold): the table is corrupt.
class CircularTableEntry : public std::runtime_error {
public:
    CircularTableEntry() : std::runtime_error("circular LZW table entry") { }
};

class Decoder {
public:
    static constexpr int kNoMoreData = -1;
    static constexpr int kEndCode = -2;

    // Raises std::invalid_argument for a minimumCodeSize above
    // kMaxMinimumCodeSize.
    Decoder(int minimumCodeSize, ChunkSource& source);
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // The next colour index (0..255), kNoMoreData or kEndCode.
    int NextColourIndex();
    // Fills out with up to count colour indexes, as count calls of
    // NextColourIndex would; stops at the first negative result, which
    // Status() then tells. Returns the number of indexes written.
    size_t Decode(uint8_t* out, size_t count);
    int Status() const { return status_; }

private:
    // What the decoding loop keeps in registers: Decode works on a copy and
    // stores it back when it returns.
    struct Codes {
        int bit = 0;       // the next code's first bit in buffer_
        int lastBit = 0;   // the end of the bits in buffer_
        int size = 0;      // the width of the next code
        int limit = 0;     // 1 << size: the entry at which codes grow wider
        int nextFree = 0;  // the entry the next code defines
        int old = 0;       // the previous code; the clear code after one
        int first = 0;     // the first index of old's string
        // False right after a clear code, and from a code the table does
        // not define yet (beyond the next free one) to the next clear code:
        // then the table may hold loops and wrong lengths, and every string
        // is walked with the checks of PushString.
        bool sound = false;
    };

    size_t TakePending(uint8_t* out, size_t count);
    Codes Cleared(Codes s) const;
    int CodeAt(int bit, int size) const;
    void ResetTable(int nextFree);
    int PushString(int code, int old, int first, bool defining);
    int FinishAtEndCode();
    bool RefillBits(int bits);
    size_t Pending() const { return kStackSize - stackTop_; }

    ChunkSource& source_;
    const int minimumCodeSize_;
    const int clearCode_;  // the end code is the next one
    Codes codes_;
    int tableDirtyEnd_ = kTableSize;
    int status_ = 0;
    bool ended_ = false;

    // Bit reader: two bytes carried over from the previous chunk, then the
    // current chunk, then slack so that three bytes can always be read.
    int lastByte_ = 2;
    bool inputDone_ = false;       // end marker read or end code met
    bool inputExhausted_ = false;  // input ended without an end marker

    int stackTop_ = kStackSize;  // pending string is stack_[stackTop_, kStackSize)
    uint16_t prefix_[kTableSize];
    uint8_t suffix_[kTableSize];
    uint16_t length_[kTableSize];  // string lengths; exact while the table is sound
    uint8_t stack_[kStackSize];
    uint8_t buffer_[2 + kMaxChunk + 3] = {};
};

}  // namespace lzw

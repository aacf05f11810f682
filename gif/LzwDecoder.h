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
    CircularTableEntry() : std::runtime_error("circular LZW table entry") {}
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
    // The next code of the given width, or kNoMoreData.
    int ReadNextCode(int bits);

private:
    size_t TakePending(uint8_t* out, size_t count);
    size_t DecodeRun(uint8_t* out, size_t written, size_t count);
    int DecodeStep();
    int ProcessCode(int code);
    int Restart();
    int FinishAtEndCode();
    void ResetTable();
    void PushString(int code);
    void AddTableEntry();
    bool RefillBits(int bits);
    size_t Pending() const { return kStackSize - stackTop_; }

    ChunkSource& source_;
    const int minimumCodeSize_;
    const int clearCode_;
    const int endCode_;
    int codeSize_;
    int codeLimit_;
    int nextFree_;
    int tableDirtyEnd_ = kTableSize;
    int first_ = 0;
    int old_ = 0;
    int status_ = 0;
    bool ended_ = false;
    // Set once a code arrives that the table does not define yet (beyond
    // the next free one). Until the next clear code the table may then hold
    // loops, and every string is walked with the checks of PushString.
    bool tainted_ = false;

    // Bit reader: two bytes carried over from the previous chunk, then the
    // current chunk, then slack so that three bytes can always be read.
    int currentBit_ = 0;
    int lastBit_ = 0;
    int lastByte_ = 2;
    bool fresh_ = true;
    bool inputDone_ = false;       // end marker read or end code met
    bool inputExhausted_ = false;  // input ended without an end marker

    int stackTop_ = kStackSize;  // pending string is stack_[stackTop_, kStackSize)
    uint16_t prefix_[kTableSize];
    uint8_t suffix_[kTableSize];
    uint16_t length_[kTableSize];  // string lengths; exact while not tainted
    uint8_t stack_[kStackSize];
    uint8_t buffer_[2 + kMaxChunk + 3] = {};
};

}  // namespace lzw

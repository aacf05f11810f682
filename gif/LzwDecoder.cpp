#include "gif/LzwDecoder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace lzw {
namespace {

int CheckedCodeSize(int minimumCodeSize)
{
    if (minimumCodeSize < 0 || minimumCodeSize > kMaxMinimumCodeSize)
        throw std::invalid_argument("LZW minimum code size out of range");
    return minimumCodeSize;
}

constexpr uint32_t kMask[16] = {0x0000, 0x0001, 0x0003, 0x0007, 0x000F, 0x001F, 0x003F, 0x007F,
                                0x00FF, 0x01FF, 0x03FF, 0x07FF, 0x0FFF, 0x1FFF, 0x3FFF, 0x7FFF};

}  // namespace

Decoder::Decoder(int minimumCodeSize, ChunkSource& source)
    : source_(source), minimumCodeSize_(CheckedCodeSize(minimumCodeSize)), clearCode_(1 << minimumCodeSize)
{
    // Every decoding starts as if with a clear code.
    codes_ = Cleared(codes_);
    ResetTable(codes_.nextFree);
}

// The state after a clear code; where the bits are stays as it is.
Decoder::Codes Decoder::Cleared(Codes s) const
{
    s.size = minimumCodeSize_ + 1;
    s.limit = 2 * clearCode_;
    s.nextFree = clearCode_ + 2;
    s.old = clearCode_;
    s.sound = false;
    return s;
}

int Decoder::NextColourIndex()
{
    uint8_t index;
    return Decode(&index, 1) == 1 ? index : status_;
}

size_t Decoder::TakePending(uint8_t* out, size_t count)
{
    const size_t n = std::min(Pending(), count);
    std::memcpy(out, stack_ + stackTop_, n);
    stackTop_ += static_cast<int>(n);
    return n;
}

// The one decoding loop. At the top of each turn:
// - out holds the indexes decoded so far, up to dst, and no string is
//   pending on the stack;
// - s.old is the previous code and s.first the first index of its string;
//   right after a clear code s.old is the clear code, whose entry is empty
//   (length 0), so that length_[s.old] can always be read;
// - the next code is s.size bits wide and defines entry s.nextFree (unless
//   the table is full);
// - while s.sound, every entry below s.nextFree is a prefix chain that ends
//   in a literal after exactly length_[entry] indexes.
// With a sound table a string that fits the room left is written straight
// into out, from its last index back to its first, without checks. Any
// other string goes through the stack (PushString, with checks), and what
// does not fit stays pending there for the next call.
//
// The loop works on a copy of codes_ that the compiler can keep in
// registers. A call out is handed what it needs (RefillBits the bit
// position, through codes_), and codes_ is brought up to date at the end.
size_t Decoder::Decode(uint8_t* out, size_t count)
{
    uint8_t* dst = out + TakePending(out, count);
    uint8_t* const end = out + count;
    // Once the end code is met the data are over; bits left in the buffer
    // are padding and are not decoded (nothingIsDecodedAfterTheEndCode).
    if (dst < end && ended_) {
        status_ = kEndCode;
        return size_t(dst - out);
    }
    const int clear = clearCode_;
    Codes s = codes_;
    while (dst < end) {
        // Refill already when the code would use up the buffer, so that an
        // end marker right after the last full chunk is noticed in time.
        if (__builtin_expect(s.bit + s.size >= s.lastBit, 0)) {
            codes_.bit = s.bit;
            const bool whole = RefillBits(s.size);
            s.bit = codes_.bit;
            s.lastBit = codes_.lastBit;
            if (!whole) {
                status_ = kNoMoreData;
                break;
            }
        }
        const int code = CodeAt(s.bit, s.size);
        s.bit += s.size;
        const bool defining = code == s.nextFree;
        const int length = defining ? length_[s.old] + 1 : length_[code];
        const size_t room = size_t(end - dst);
        // The common case, and the one the invariant covers: a sound table,
        // a code that is defined or being defined, a string that fits.
        const bool quick =
            s.sound && (code < clear || (code > clear + 1 && code <= s.nextFree)) && size_t(length) <= room;
        if (__builtin_expect(quick, 1)) {
            uint8_t* p = dst + length;
            // Unsigned, so that the chain's loads need no sign extension.
            size_t c = size_t(code);
            if (defining) {
                // The entry being defined: the previous string followed by
                // its own first index.
                *--p = static_cast<uint8_t>(s.first);
                c = size_t(s.old);
            }
            while (c >= size_t(clear)) {
                *--p = suffix_[c];
                c = prefix_[c];
            }
            s.first = suffix_[c];
            *--p = static_cast<uint8_t>(s.first);
            dst += length;
        } else {
            if (code == clear) {
                // Clear codes in a row are as good as one ("clear then end").
                ResetTable(s.nextFree);
                s = Cleared(s);
                continue;
            }
            if (code == clear + 1) {
                // The end code; right after a clear code too ("clear then
                // end").
                status_ = FinishAtEndCode();
                break;
            }
            if (s.old == clear) {
                // The first code after a clear code should be a literal; it
                // defines nothing. One that is not is taken as the literal
                // of its low eight bits, so that corrupt data decode to
                // something rather than stop here, and the table is not
                // sound until the next clear code ("undefined code after a
                // clear code").
                s.sound = code < clear;
                s.first = code & 0xFF;
                s.old = code;
                *dst++ = static_cast<uint8_t>(code);
                continue;
            }
            // A code beyond the next free entry is undefined. It is taken as
            // the next free one, the previous string followed by its own
            // first index, so that corrupt data still decode to something;
            // until the next clear code the walk then checks for loops
            // (corruptTablesAreRefused).
            if (code > s.nextFree)
                s.sound = false;
            s.first = PushString(code, s.old, s.first, code >= s.nextFree);
            dst += TakePending(dst, room);
        }
        // A full table stays as it is, with 12-bit codes, until a clear code
        // (decodesWhatWasEncoded, "no clear").
        if (s.nextFree < kTableSize) {
            prefix_[s.nextFree] = static_cast<uint16_t>(s.old);
            suffix_[s.nextFree] = static_cast<uint8_t>(s.first);
            length_[s.nextFree] = static_cast<uint16_t>(length_[s.old] + 1);
            if (++s.nextFree == s.limit && s.limit < kTableSize) {
                s.limit *= 2;
                ++s.size;
            }
        }
        s.old = code;
    }
    codes_ = s;
    return size_t(dst - out);
}

int Decoder::CodeAt(int bit, int size) const
{
    const unsigned byte = unsigned(bit) >> 3;
    const uint32_t value =
        buffer_[byte] | (uint32_t(buffer_[byte + 1]) << 8) | (uint32_t(buffer_[byte + 2]) << 16);
    return static_cast<int>((value >> (bit & 7)) & kMask[unsigned(size)]);
}

int Decoder::FinishAtEndCode()
{
    source_.DiscardRest();
    inputDone_ = true;
    ended_ = true;
    return kEndCode;
}

// Sets up the literals and empties the stack; nextFree is where the table
// in use ends.
void Decoder::ResetTable(int nextFree)
{
    for (int i = 0; i < clearCode_; ++i) {
        prefix_[i] = 0;
        suffix_[i] = static_cast<uint8_t>(i);
        length_[i] = 1;
    }
    // Entries above the defined ones are only reached through corrupt
    // prefix chains; they read as prefix 0, suffix 0.
    const int dirtyEnd = std::max(tableDirtyEnd_, nextFree);
    if (dirtyEnd > clearCode_) {
        const size_t n = size_t(dirtyEnd - clearCode_);
        std::memset(prefix_ + clearCode_, 0, n * sizeof(prefix_[0]));
        std::memset(suffix_ + clearCode_, 0, n * sizeof(suffix_[0]));
        std::memset(length_ + clearCode_, 0, n * sizeof(length_[0]));
    }
    tableDirtyEnd_ = clearCode_;
    stackTop_ = kStackSize;
}

// Walks the code's prefix chain once, leaving its string on the stack with
// the first index on top, and returns that index. A defining code stands for
// the previous code's string followed by that string's first index.
int Decoder::PushString(int code, int old, int first, bool defining)
{
    int top = kStackSize;
    if (defining) {
        stack_[--top] = static_cast<uint8_t>(first);
        code = old;
    }
    while (code >= clearCode_) {
        // No string in a sound table is longer than the stack; a longer
        // chain can only be a loop.
        if (top == 1)
            throw CircularTableEntry();
        stack_[--top] = suffix_[code];
        const int prefix = prefix_[code];
        if (prefix == code)
            throw CircularTableEntry();
        code = prefix;
    }
    stack_[--top] = suffix_[code];
    stackTop_ = top;
    return suffix_[code];
}

// Brings in chunks until the next code is complete. Returns false when it
// cannot be.
bool Decoder::RefillBits(int bits)
{
    int& bit = codes_.bit;
    int& lastBit = codes_.lastBit;
    while (bit + bits >= lastBit) {
        if (inputDone_ || inputExhausted_) {
            // The very last bits make up this code
            // ("stream ends right after a whole code").
            if (bit + bits == lastBit)
                return true;
            // Bits too few for a code are no under-run
            // (underRunIsReportedOnlyWithoutBitsLeft).
            if (inputDone_ && bit >= lastBit)
                source_.ReportUnderRun();
            return false;
        }
        // A code never starts more than 12 bits before the end of the
        // buffer, so the last two bytes are all that must be kept.
        buffer_[0] = buffer_[lastByte_ - 2];
        buffer_[1] = buffer_[lastByte_ - 1];
        const int size = source_.ReadChunk(buffer_ + 2);
        if (size == ChunkSource::kExhausted) {
            // Keep decoding what is buffered; an incomplete code ends it.
            inputExhausted_ = true;
            buffer_[2] = buffer_[3] = buffer_[4] = 0;
            bit = bit - lastBit + 16;
            lastBit = 16;
            lastByte_ = 2;
            continue;
        }
        if (size == ChunkSource::kEndOfData)
            inputDone_ = true;
        bit = bit - lastBit + 16;
        lastByte_ = size + 2;
        lastBit = lastByte_ * 8;
        std::memset(buffer_ + lastByte_, 0, 3);
    }
    return true;
}

}  // namespace lzw

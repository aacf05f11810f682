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
    : source_(source),
      minimumCodeSize_(CheckedCodeSize(minimumCodeSize)),
      clearCode_(1 << minimumCodeSize),
      endCode_(clearCode_ + 1),
      codeSize_(minimumCodeSize + 1),
      codeLimit_(2 * clearCode_),
      nextFree_(clearCode_ + 2)
{
    // The table is set up by the clear code that every decoding starts with.
}

int Decoder::NextColourIndex()
{
    if (Pending() == 0) {
        status_ = DecodeStep();
        if (status_ < 0)
            return status_;
    }
    return stack_[stackTop_++];
}

size_t Decoder::TakePending(uint8_t* out, size_t count)
{
    const size_t n = std::min(Pending(), count);
    std::memcpy(out, stack_ + stackTop_, n);
    stackTop_ += static_cast<int>(n);
    return n;
}

size_t Decoder::Decode(uint8_t* out, size_t count)
{
    size_t written = TakePending(out, count);
    while (written < count) {
        written = DecodeRun(out, written, count);
        if (written == count)
            break;
        // Whatever the quick loop leaves: refills, clear and end codes,
        // undefined codes, strings longer than the room left.
        status_ = DecodeStep();
        if (status_ < 0)
            break;
        written += TakePending(out + written, count - written);
    }
    return written;
}

// The common case, kept tight: whole codes in the buffer, a sound table,
// strings that fit. Each string is walked once, straight into out, from
// its last index back to its first. Returns the new count written and
// leaves any other code unread.
size_t Decoder::DecodeRun(uint8_t* out, size_t written, size_t count)
{
    if (tainted_ || fresh_ || ended_)
        return written;
    uint8_t* dst = out + written;
    uint8_t* const end = out + count;
    int bit = currentBit_, size = codeSize_, nextFree = nextFree_, limit = codeLimit_;
    int first = first_, old = old_;
    const int clear = clearCode_;
    while (dst < end && bit + size < lastBit_) {
        const int byte = bit >> 3;
        const uint32_t value =
            buffer_[byte] | (uint32_t(buffer_[byte + 1]) << 8) | (uint32_t(buffer_[byte + 2]) << 16);
        const int code = static_cast<int>((value >> (bit & 7)) & kMask[size]);
        if (code >= clear && (code <= clear + 1 || code > nextFree))
            break;
        const bool pending = code == nextFree;  // previous string + its first index
        const int length = pending ? length_[old] + 1 : length_[code];
        if (length > end - dst)
            break;
        bit += size;
        uint8_t* p = dst + length;
        int c = code;
        if (pending) {
            *--p = static_cast<uint8_t>(first);
            c = old;
        }
        while (c >= clear) {
            *--p = suffix_[c];
            c = prefix_[c];
        }
        first = suffix_[c];
        *--p = static_cast<uint8_t>(first);
        dst += length;
        if (nextFree < kTableSize) {
            prefix_[nextFree] = static_cast<uint16_t>(old);
            suffix_[nextFree] = static_cast<uint8_t>(first);
            length_[nextFree] = static_cast<uint16_t>(length_[old] + 1);
            if (++nextFree == limit && limit < kTableSize) {
                limit *= 2;
                ++size;
            }
        }
        old = code;
    }
    currentBit_ = bit;
    codeSize_ = size;
    nextFree_ = nextFree;
    codeLimit_ = limit;
    first_ = first;
    old_ = old;
    return size_t(dst - out);
}

// Reads one code and leaves its string on the stack (0), or tells why there
// is none (negative).
int Decoder::DecodeStep()
{
    // Once the end code is met the data are over; bits left in the buffer
    // are padding and are not decoded.
    if (ended_)
        return kEndCode;
    const int code = ReadNextCode(codeSize_);
    if (code < 0)
        return code;
    return ProcessCode(code);
}

int Decoder::ProcessCode(int code)
{
    if (code == clearCode_)
        return Restart();
    if (code == endCode_)
        return FinishAtEndCode();
    if (code > nextFree_)
        tainted_ = true;
    PushString(code);
    AddTableEntry();
    old_ = code;
    return 0;
}

int Decoder::Restart()
{
    ResetTable();
    int code;
    do {
        code = ReadNextCode(codeSize_);
    } while (code == clearCode_);
    if (code < 0)
        return code;
    // An end code right after a clear code ends the data like any end code.
    if (code == endCode_)
        return FinishAtEndCode();
    // Any other code starts the new table, even one that is not defined
    // yet: corrupt data decode to something rather than stop here.
    if (code >= clearCode_)
        tainted_ = true;
    first_ = code;
    old_ = code;
    stack_[--stackTop_] = static_cast<uint8_t>(code);
    return 0;
}

int Decoder::FinishAtEndCode()
{
    source_.DiscardRest();
    inputDone_ = true;
    ended_ = true;
    return kEndCode;
}

void Decoder::ResetTable()
{
    for (int i = 0; i < clearCode_; ++i) {
        prefix_[i] = 0;
        suffix_[i] = static_cast<uint8_t>(i);
        length_[i] = 1;
    }
    // Entries above the defined ones are only reached through corrupt
    // prefix chains; they read as prefix 0, suffix 0.
    const int dirtyEnd = std::max(tableDirtyEnd_, nextFree_);
    if (dirtyEnd > clearCode_) {
        const size_t n = size_t(dirtyEnd - clearCode_);
        std::memset(prefix_ + clearCode_, 0, n * sizeof(prefix_[0]));
        std::memset(suffix_ + clearCode_, 0, n * sizeof(suffix_[0]));
        std::memset(length_ + clearCode_, 0, n * sizeof(length_[0]));
    }
    tableDirtyEnd_ = clearCode_;
    tainted_ = false;
    codeSize_ = minimumCodeSize_ + 1;
    codeLimit_ = 2 * clearCode_;
    nextFree_ = clearCode_ + 2;
    stackTop_ = kStackSize;
}

// Walks the code's prefix chain once, leaving its string on the stack with
// the first index on top.
void Decoder::PushString(int code)
{
    int top = kStackSize;
    // The code being defined right now: the previous string followed by its
    // own first index. An undefined code beyond it is taken the same way,
    // so that corrupt data still decode to something.
    if (code >= nextFree_) {
        stack_[--top] = static_cast<uint8_t>(first_);
        code = old_;
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
    first_ = suffix_[code];
    stack_[--top] = static_cast<uint8_t>(first_);
    stackTop_ = top;
}

void Decoder::AddTableEntry()
{
    // A full table stays as it is, with 12-bit codes, until a clear code.
    if (nextFree_ >= kTableSize)
        return;
    prefix_[nextFree_] = static_cast<uint16_t>(old_);
    suffix_[nextFree_] = static_cast<uint8_t>(first_);
    length_[nextFree_] = static_cast<uint16_t>(length_[old_] + 1);
    ++nextFree_;
    if (nextFree_ == codeLimit_ && codeLimit_ < kTableSize) {
        codeLimit_ *= 2;
        ++codeSize_;
    }
}

int Decoder::ReadNextCode(int bits)
{
    // Every decoding starts as if with a clear code.
    if (fresh_) {
        fresh_ = false;
        return clearCode_;
    }
    // Refill already when the code would use up the buffer, so that an end
    // marker right after the last full chunk is noticed in time.
    if (currentBit_ + bits >= lastBit_ && !RefillBits(bits))
        return kNoMoreData;
    const int byte = currentBit_ >> 3;
    const uint32_t value =
        buffer_[byte] | (uint32_t(buffer_[byte + 1]) << 8) | (uint32_t(buffer_[byte + 2]) << 16);
    const int code = static_cast<int>((value >> (currentBit_ & 7)) & kMask[bits]);
    currentBit_ += bits;
    return code;
}

// Brings in chunks until the next code is complete. Returns false when it
// cannot be.
bool Decoder::RefillBits(int bits)
{
    while (currentBit_ + bits >= lastBit_) {
        if (inputDone_ || inputExhausted_) {
            if (currentBit_ + bits == lastBit_)
                return true;  // the very last bits make up this code
            if (inputDone_ && currentBit_ >= lastBit_)
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
            currentBit_ = currentBit_ - lastBit_ + 16;
            lastBit_ = 16;
            lastByte_ = 2;
            continue;
        }
        if (size == ChunkSource::kEndOfData)
            inputDone_ = true;
        currentBit_ = currentBit_ - lastBit_ + 16;
        lastByte_ = size + 2;
        lastBit_ = lastByte_ * 8;
        std::memset(buffer_ + lastByte_, 0, 3);
    }
    return true;
}

}  // namespace lzw

#pragma once
// The byte source the GIF reader reads from, and a read-only stream over a
// caller's buffer. Reading and decoding need nothing else, so they stay free
// of any toolkit.
#include <cstddef>
#include <cstdint>

namespace gif {

// A seekable source of bytes. Positions run from 0 to Size(); a seek beyond
// the end stops at the end.
class Stream {
public:
    virtual ~Stream() = default;
    // Copies up to count bytes to dest and returns how many were copied
    // (fewer only at the end of the stream).
    virtual size_t Read(uint8_t* dest, size_t count) = 0;
    virtual void Seek(uint64_t position) = 0;
    virtual uint64_t Position() const = 0;
    virtual uint64_t Size() const = 0;
};

// Read-only stream over bytes that the caller keeps alive while it is used.
class ByteStream final : public Stream {
public:
    ByteStream(const void* data, size_t size);
    size_t Read(uint8_t* dest, size_t count) override;
    void Seek(uint64_t position) override;
    uint64_t Position() const override { return position_; }
    uint64_t Size() const override { return size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// Helpers the block readers share.
uint64_t BytesLeft(const Stream& stream);
// One byte, or false at the end of the stream.
bool ReadByte(Stream& stream, uint8_t& value);
// Exactly count bytes, or GIFException "Premature end of data".
void ReadExact(Stream& stream, void* dest, size_t count);
// Moves back over the byte just read.
void StepBack(Stream& stream);
// Moves forward count bytes, stopping at the end.
void Skip(Stream& stream, uint64_t count);
// The 16-bit number stored low byte first at bytes.
uint16_t LittleEndian16(const uint8_t* bytes);

}  // namespace gif

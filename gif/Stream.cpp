#include "gif/Stream.h"

#include <algorithm>
#include <cstring>

#include "gif/GIFException.h"

namespace gif {

ByteStream::ByteStream(const void* data, size_t size)
    : data_(static_cast<const uint8_t*>(data)), size_(data ? size : 0)
{ }

size_t ByteStream::Read(uint8_t* dest, size_t count)
{
    const size_t n = std::min(count, size_ - position_);
    if (n != 0) {
        std::memcpy(dest, data_ + position_, n);
        position_ += n;
    }
    return n;
}

void ByteStream::Seek(uint64_t position)
{
    position_ = static_cast<size_t>(std::min<uint64_t>(position, size_));
}

uint64_t BytesLeft(const Stream& stream)
{
    const uint64_t size = stream.Size();
    const uint64_t position = stream.Position();
    return position < size ? size - position : 0;
}

bool ReadByte(Stream& stream, uint8_t& value)
{
    return stream.Read(&value, 1) == 1;
}

void ReadExact(Stream& stream, void* dest, size_t count)
{
    if (stream.Read(static_cast<uint8_t*>(dest), count) != count)
        throw GIFException(messages::PrematureEndOfData);
}

void StepBack(Stream& stream)
{
    const uint64_t position = stream.Position();
    if (position != 0)
        stream.Seek(position - 1);
}

void Skip(Stream& stream, uint64_t count)
{
    stream.Seek(stream.Position() + std::min(count, BytesLeft(stream)));
}

uint16_t LittleEndian16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

}  // namespace gif

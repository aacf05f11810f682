#include "glyphs/SfntReader.h"

bool SfntReader::inRange(qint64 offset, qint64 length) const
{
    const bool ok = offset >= 0 && length >= 0 && offset <= data_.size() - length;
    if (!ok)
        overrun_ = true;
    return ok;
}

std::uint16_t SfntReader::u16(qint64 offset) const
{
    if (!inRange(offset, 2))
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(data_.constData()) + offset;
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

std::uint32_t SfntReader::u32(qint64 offset) const
{
    return (static_cast<std::uint32_t>(u16(offset)) << 16) | u16(offset + 2);
}

QByteArray SfntReader::bytes(qint64 offset, qint64 length) const
{
    if (!inRange(offset, length))
        return {};
    return data_.mid(offset, length);
}

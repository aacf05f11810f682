#pragma once

#include <QByteArray>

#include <cstdint>
#include <utility>

// Big-endian fields of a TrueType (sfnt) font file or of one of its tables.
// A read past the end of the data yields 0 and marks the reader as overrun,
// so a truncated or damaged table reads as zeros instead of stray memory.
class SfntReader {
public:
    explicit SfntReader(QByteArray data) : data_(std::move(data)) { }

    std::uint16_t u16(qint64 offset) const;
    std::int16_t s16(qint64 offset) const { return static_cast<std::int16_t>(u16(offset)); }
    std::uint32_t u32(qint64 offset) const;
    QByteArray bytes(qint64 offset, qint64 length) const;
    qsizetype size() const { return data_.size(); }
    // True once a read went past the end.
    bool overrun() const { return overrun_; }

private:
    bool inRange(qint64 offset, qint64 length) const;

    QByteArray data_;
    mutable bool overrun_ = false;
};

#include "gif/SubBlockReader.h"

#include "gif/GIFException.h"
#include "gif/GIFItem.h"
#include "gif/Stream.h"

namespace gif {

int SubBlockReader::ReadChunk(uint8_t* dest)
{
    uint8_t size;
    if (!ReadByte(stream_, size))
        return kExhausted;
    if (size == 0) {
        terminatorSeen_ = true;
        return kEndOfData;
    }
    const uint64_t left = BytesLeft(stream_);
    if (left < size) {
        // A cut-off last sub-block still holds codes worth decoding.
        sender_.ReportWarning(TGIFSeverity::Warning, messages::PrematureEndOfData);
        size = static_cast<uint8_t>(left);
        if (size == 0)
            return kExhausted;
    }
    ReadExact(stream_, dest, size);
    return size;
}

void SubBlockReader::DiscardRest()
{
    if (terminatorSeen_)
        return;
    uint8_t size;
    while (ReadByte(stream_, size) && size != 0)
        Skip(stream_, size);
    terminatorSeen_ = true;
}

void SubBlockReader::ReportUnderRun()
{
    sender_.ReportWarning(TGIFSeverity::Warning, messages::BitBufferUnderRun);
}

}  // namespace gif

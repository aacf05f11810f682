#pragma once
// Hands the LZW decoder the bytes of a frame's data sub-blocks, hiding the
// size bytes and the block terminator.
#include "gif/LzwDecoder.h"

namespace gif {

class Stream;
class TGIFItem;

class SubBlockReader final : public lzw::ChunkSource {
public:
    // Warnings go out with sender as their sender.
    SubBlockReader(Stream& stream, const TGIFItem& sender) : stream_(stream), sender_(sender) { }
    int ReadChunk(uint8_t* dest) override;
    void DiscardRest() override;
    void ReportUnderRun() override;
    bool TerminatorSeen() const { return terminatorSeen_; }

private:
    Stream& stream_;
    const TGIFItem& sender_;
    bool terminatorSeen_ = false;
};

}  // namespace gif

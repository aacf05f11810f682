#pragma once
// Loading hand-built GIF streams and collecting what the reader reports.
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <utility>

#include "GifEncoder.h"
#include "gif/GIFException.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

namespace giftest {

struct Loaded {
    std::unique_ptr<gif::TGIFImage> Image = std::make_unique<gif::TGIFImage>();
    QStringList Warnings;
    QStringList Senders;
    QString Error;             // empty when the load succeeded
    uint64_t EndPosition = 0;  // stream position afterwards
};

// Loads bytes (from offset start) and records warnings, senders and error.
inline Loaded LoadGif(const Bytes& bytes, uint64_t start = 0)
{
    Loaded result;
    gif::ByteStream stream(bytes.data(), bytes.size());
    stream.Seek(start);
    result.Image->WarningObserver = [&result](const gif::TGIFObject& sender, gif::TGIFSeverity severity,
                                              const std::string& message) {
        if (severity == gif::TGIFSeverity::Warning)
            result.Warnings << QString::fromStdString(message);
        result.Senders << QString::fromLatin1(sender.ClassName());
    };
    try {
        result.Image->LoadFromStream(stream);
    } catch (const gif::GIFException& error) {
        result.Error = QString::fromStdString(error.what());
    }
    result.Image->WarningObserver = nullptr;
    result.EndPosition = stream.Position();
    return result;
}

// Codes of the given widths, packed and framed as one sub-block sequence.
inline Bytes CodeData(std::initializer_list<std::pair<int, int>> codes, int blockSize = 255)
{
    CodePacker packer;
    for (const auto& [code, bits] : codes)
        packer.Put(code, bits);
    return SubBlocks(packer.Finish(), blockSize);
}

// The pixels of frame index, as a vector.
inline std::vector<uint8_t> Pixels(const gif::TGIFImage& image, size_t index = 0)
{
    const gif::TGIFSubImage& frame = image.Images()[index];
    return std::vector<uint8_t>(frame.Data(), frame.Data() + frame.DataSize());
}

inline const std::vector<Color> kBlackWhite = {{0, 0, 0}, {255, 255, 255}};
inline const std::vector<Color> kFourColours = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};

}  // namespace giftest

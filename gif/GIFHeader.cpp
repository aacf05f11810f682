#include "gif/GIFHeader.h"

#include <cctype>

#include "gif/GIFException.h"
#include "gif/Stream.h"

namespace gif {
namespace {

bool HasGIFSignature(const uint8_t bytes[6])
{
    return std::toupper(bytes[0]) == 'G' && std::toupper(bytes[1]) == 'I' && std::toupper(bytes[2]) == 'F';
}

}  // namespace

void TGIFHeader::Clear()
{
    descriptor_ = TGIFScreenDescriptor{};
    version_ = {};
    colorMap_.Clear();
}

void TGIFHeader::ReadSignature(Stream& stream)
{
    const uint64_t start = stream.Position();
    uint8_t signature[6];
    ReadExact(stream, signature, sizeof signature);
    if (!HasGIFSignature(signature)) {
        // Some files carry 4 bytes of their own in front of the signature.
        stream.Seek(start);
        Skip(stream, 4);
        ReadExact(stream, signature, sizeof signature);
        if (!HasGIFSignature(signature))
            throw GIFException(messages::InvalidSignature);
    }
    // Any version is accepted: the blocks tell what the stream holds.
    version_ = {char(signature[3]), char(signature[4]), char(signature[5])};
}

void TGIFHeader::LoadFromStream(Stream& stream)
{
    Clear();
    ReadSignature(stream);
    uint8_t bytes[7];
    ReadExact(stream, bytes, sizeof bytes);
    descriptor_.LogicalScreenWidth = LittleEndian16(bytes);
    descriptor_.LogicalScreenHeight = LittleEndian16(bytes + 2);
    descriptor_.PackedFields = bytes[4];
    descriptor_.BackgroundColorIndex = bytes[5];
    descriptor_.PixelAspectRatio = bytes[6];
    if (HasGlobalColorTable())
        colorMap_.LoadFromStream(stream, ColorTableEntries(descriptor_.PackedFields));
}

}  // namespace gif

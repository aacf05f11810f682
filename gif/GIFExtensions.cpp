#include "gif/GIFExtensions.h"

#include <algorithm>
#include <cstring>

#include "gif/GIFException.h"
#include "gif/GIFExtensionRegistry.h"
#include "gif/GIFSubImage.h"
#include "gif/Stream.h"

namespace gif {
namespace {

template <class Extension>
std::unique_ptr<TGIFExtension> Create(TGIFSubImage& frame)
{
    return std::make_unique<Extension>(frame);
}

template <class Extension>
const TGIFExtensionClass* Itself(Stream&)
{
    return &Extension::Class;
}

const TGIFExtensionClass* RefineApplication(Stream& stream)
{
    uint8_t blockSize;
    if (!ReadByte(stream, blockSize))
        return nullptr;
    std::array<uint8_t, 11> identifier{};
    if (blockSize == 10) {
        // An identifier one byte short: nothing to match it against.
        if (stream.Read(identifier.data(), 10) != 10)
            return nullptr;
        return &TGIFUnknownAppExtension::Class;
    }
    if (blockSize != 11 || stream.Read(identifier.data(), 11) != 11)
        return &TGIFApplicationExtension::Class;
    const TGIFExtensionClass* found = TAppExtensionList::Instance().Find(identifier);
    return found ? found : &TGIFUnknownAppExtension::Class;
}

}  // namespace

const TGIFExtensionClass TGIFTextExtension::Class = {"TGIFTextExtension", Create<TGIFTextExtension>,
                                                     Itself<TGIFTextExtension>};
const TGIFExtensionClass TGIFGraphicControlExtension::Class = {
    "TGIFGraphicControlExtension", Create<TGIFGraphicControlExtension>, Itself<TGIFGraphicControlExtension>};
const TGIFExtensionClass TGIFCommentExtension::Class = {"TGIFCommentExtension", Create<TGIFCommentExtension>,
                                                        Itself<TGIFCommentExtension>};
const TGIFExtensionClass TGIFApplicationExtension::Class = {
    "TGIFApplicationExtension", Create<TGIFApplicationExtension>, RefineApplication};
const TGIFExtensionClass TGIFAppExtNSLoop::Class = {"TGIFAppExtNSLoop", Create<TGIFAppExtNSLoop>,
                                                    Itself<TGIFAppExtNSLoop>};
const TGIFExtensionClass TGIFUnknownAppExtension::Class = {
    "TGIFUnknownAppExtension", Create<TGIFUnknownAppExtension>, Itself<TGIFUnknownAppExtension>};

TGIFExtension::TGIFExtension(TGIFSubImage& frame) : TGIFItem(frame.Image()), frame_(&frame) { }

void TGIFExtension::LoadFromStream(Stream& stream)
{
    uint8_t introducerAndLabel[2];
    ReadExact(stream, introducerAndLabel, sizeof introducerAndLabel);
    LoadBody(stream);
}

void ReadTextLines(Stream& stream, TGIFTextLines& lines)
{
    lines.clear();
    uint8_t size;
    while (ReadByte(stream, size) && size != 0) {
        char bytes[255];
        ReadExact(stream, bytes, size);
        // A line ends at its first zero byte.
        lines.emplace_back(bytes, std::find(bytes, bytes + size, '\0'));
    }
}

void TGIFTextExtension::LoadBody(Stream& stream)
{
    ReadExact(stream, Fields.data(), Fields.size());
    ReadTextLines(stream, Lines);
}

void TGIFGraphicControlExtension::LoadBody(Stream& stream)
{
    uint8_t bytes[6] = {};
    // Timing and transparency are not worth losing the picture over: a
    // cut-off block keeps what was there.
    if (stream.Read(bytes, sizeof bytes) != sizeof bytes)
        ReportWarning(TGIFSeverity::Warning, messages::PrematureEndOfData);
    BlockSize = bytes[0];
    PackedFields = bytes[1];
    DelayTime = LittleEndian16(bytes + 2);
    TransparentColorIndex = bytes[4];
    Terminator = bytes[5];
    Frame().AdoptGraphicControl(*this);
}

void TGIFCommentExtension::LoadBody(Stream& stream)
{
    ReadTextLines(stream, Lines);
}

void TGIFApplicationExtension::LoadBody(Stream& stream)
{
    ReadExact(stream, &BlockSize, 1);
    Identifier = {};
    if (BlockSize == 10) {
        ReadExact(stream, Identifier.data(), 10);
    } else if (BlockSize < 11) {
        throw GIFException(messages::UnsupportedAppExtensionSize);
    } else {
        ReadExact(stream, Identifier.data(), 11);
        Skip(stream, BlockSize - 11u);
    }
    LoadData(stream);
}

void TGIFApplicationExtension::LoadData(Stream& stream)
{
    // Data nobody here understands are kept as they are, block by block.
    Blocks.clear();
    uint8_t size;
    while (ReadByte(stream, size) && size != 0) {
        TGIFBlock block;
        block.Data.resize(size);
        ReadExact(stream, block.Data.data(), size);
        Blocks.push_back(std::move(block));
    }
}

void TGIFAppExtNSLoop::LoadData(Stream& stream)
{
    uint8_t size;
    while (ReadByte(stream, size) && size != 0) {
        uint8_t id;
        ReadExact(stream, &id, 1);
        uint8_t field[4];
        if ((id & 7) == 1) {
            if (size < 3)
                throw GIFException(messages::InvalidGIFData);
            ReadExact(stream, field, 2);
            LoopCount = LittleEndian16(field);
            Skip(stream, size - 3u);
        } else if ((id & 7) == 2) {
            if (size < 5)
                throw GIFException(messages::InvalidGIFData);
            ReadExact(stream, field, 4);
            BufferSize = uint32_t(LittleEndian16(field)) | (uint32_t(LittleEndian16(field + 2)) << 16);
            Skip(stream, size - 5u);
        } else {
            Skip(stream, size - 1u);
        }
    }
}

// Registries.

const TExtensionList& TExtensionList::Instance()
{
    static const TExtensionList registry = [] {
        TExtensionList list;
        list.Register(0x01, TGIFTextExtension::Class);
        list.Register(0xF9, TGIFGraphicControlExtension::Class);
        list.Register(0xFE, TGIFCommentExtension::Class);
        list.Register(0xFF, TGIFApplicationExtension::Class);
        return list;
    }();
    return registry;
}

const TAppExtensionList& TAppExtensionList::Instance()
{
    static const TAppExtensionList registry = [] {
        TAppExtensionList list;
        list.Register("NETSCAPE2.0", TGIFAppExtNSLoop::Class);
        list.Register("ANIMEXTS1.0", TGIFAppExtNSLoop::Class);
        return list;
    }();
    return registry;
}

void TAppExtensionList::Register(const char (&identifier)[12], const TGIFExtensionClass& extensionClass)
{
    std::array<uint8_t, 11> key;
    std::memcpy(key.data(), identifier, key.size());
    Add(key, extensionClass);
}

const TGIFExtensionClass* LookUpExtensionClass(Stream& stream)
{
    const uint64_t start = stream.Position();
    uint8_t label;
    const TGIFExtensionClass* found = nullptr;
    if (ReadByte(stream, label))
        found = TExtensionList::Instance().Find(label);
    // Each refinement looks further into the stream; a class that answers
    // with itself is the one. The chain is short; the bound only guards it.
    for (int step = 0; found && step < 8; ++step) {
        const TGIFExtensionClass* refined = found->RefineExtensionClass(stream);
        if (refined == found)
            break;
        found = refined;
    }
    stream.Seek(start);
    return found;
}

}  // namespace gif

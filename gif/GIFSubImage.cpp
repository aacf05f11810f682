#include "gif/GIFSubImage.h"

#include "gif/DecodeFrameData.h"
#include "gif/GIFException.h"
#include "gif/GIFExtensionRegistry.h"
#include "gif/GIFHeader.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

namespace gif {
namespace {

std::unique_ptr<TGIFExtension> ReadExtension(Stream& stream, TGIFSubImage& frame)
{
    const TGIFExtensionClass* extensionClass = LookUpExtensionClass(stream);
    if (!extensionClass)
        throw GIFException(messages::UnknownExtensionType);
    StepBack(stream);
    std::unique_ptr<TGIFExtension> extension = extensionClass->Create(frame);
    extension->LoadFromStream(stream);
    return extension;
}

}  // namespace

TGIFExtensionList::TGIFExtensionList(TGIFSubImage& frame) : TGIFList(frame.Image()), frame_(&frame) { }

void TGIFExtensionList::LoadFromStream(Stream& stream)
{
    uint8_t introducer;
    if (!ReadByte(stream, introducer))
        return;
    while (introducer != kImageSeparator && introducer != kTrailer) {
        if (introducer != kExtensionIntroducer) {
            // Whatever it is, the image descriptor gets its chance with it.
            ReportWarning(TGIFSeverity::Warning, messages::InvalidExtensionIntroducer);
            break;
        }
        Add(ReadExtension(stream, *frame_));
        if (!ReadByte(stream, introducer))
            return;
    }
    StepBack(stream);
}

TGIFSubImage::TGIFSubImage(TGIFImage* image) : TGIFItem(image), extensions_(*this), colorMap_(*this) { }

void TGIFSubImage::AdoptGraphicControl(const TGIFGraphicControlExtension& extension)
{
    if (extension.Transparent())
        transparent_ = true;
    if (!graphicControl_)
        graphicControl_ = &extension;
}

void TGIFSubImage::Clear()
{
    graphicControl_ = nullptr;
    extensions_.Clear();
    colorMap_.Clear();
    descriptor_ = TGIFImageDescriptor{};
    pixels_.reset();
    transparent_ = false;
    BitmapCache.reset();
    PaletteCache.reset();
}

// Returns false when the frame has no image (the data end, or a trailer or
// zero byte follows the extensions).
bool TGIFSubImage::ReadImageDescriptor(Stream& stream)
{
    uint8_t next;
    if (!ReadByte(stream, next))
        return false;
    StepBack(stream);
    if (next == kTrailer || next == 0x00)
        return false;
    uint8_t bytes[10];
    ReadExact(stream, bytes, sizeof bytes);
    descriptor_.Separator = bytes[0];
    descriptor_.Left = LittleEndian16(bytes + 1);
    descriptor_.Top = LittleEndian16(bytes + 3);
    descriptor_.Width = LittleEndian16(bytes + 5);
    descriptor_.Height = LittleEndian16(bytes + 7);
    descriptor_.PackedFields = bytes[9];
    return true;
}

void TGIFSubImage::LoadFromStream(Stream& stream)
{
    Clear();
    extensions_.LoadFromStream(stream);
    if (!ReadImageDescriptor(stream))
        return;
    if (descriptor_.Width == 0 || descriptor_.Height == 0) {
        // Some writers leave the size out; the screen's size is the guess.
        const TGIFHeader& header = Image()->Header();
        descriptor_.Width = static_cast<uint16_t>(header.Width());
        descriptor_.Height = static_cast<uint16_t>(header.Height());
        ReportWarning(TGIFSeverity::Warning, messages::ImageExceedsScreen);
    }
    if (HasLocalColorTable())
        colorMap_.LoadFromStream(stream, ColorTableEntries(descriptor_.PackedFields));
    const uint8_t prefill = transparent_ && graphicControl_ ? graphicControl_->TransparentColorIndex : 0;
    if (TGIFImage* image = Image())
        image->ReservePixels(uint64_t(Width()) * uint64_t(Height()));
    pixels_ = DecodeFrameData(stream, Width(), Height(), Interlaced(), prefill, *this);
}

}  // namespace gif

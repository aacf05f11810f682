#include "gif/GIFImage.h"

#include "gif/DecodeFrameData.h"
#include "gif/GIFException.h"
#include "gif/Stream.h"

namespace gif {
namespace {

int PercentDone(const Stream& stream)
{
    const uint64_t size = stream.Size();
    return size == 0 ? 100 : static_cast<int>(stream.Position() * 100 / size);
}

}  // namespace

void ReportWarningTo(const TGIFImage* image, const TGIFObject& sender, TGIFSeverity severity,
                     const std::string& message)
{
    if (image)
        image->ReportWarning(sender, severity, message);
}

void TGIFItem::ReportWarning(TGIFSeverity severity, const std::string& message) const
{
    ReportWarningTo(image_, *this, severity, message);
}

void TGIFImageList::LoadFromStream(Stream& stream)
{
    for (;;) {
        uint8_t block;
        // Zero bytes between blocks are padding.
        do {
            if (!ReadByte(stream, block))
                return;  // no trailer: the frames read are all there is
        } while (block == 0x00);
        StepBack(stream);
        if (block == kTrailer)
            return;
        if (block != kExtensionIntroducer && block != kImageSeparator) {
            // Keep the frames read so far rather than guess at the rest.
            ReportWarning(TGIFSeverity::Warning, messages::UnknownBlockType);
            return;
        }
        auto frame = std::make_unique<TGIFSubImage>(Image());
        frame->LoadFromStream(stream);
        Add(std::move(frame));
        if (const TGIFImage* image = Image())
            image->Progress(TGIFProgressStage::Running, PercentDone(stream), messages::Loading);
    }
}

void TGIFTrailer::LoadFromStream(Stream& stream)
{
    uint8_t trailer;
    // A missing trailer costs nothing; a wrong byte there is worth a word.
    if (ReadByte(stream, trailer) && trailer != kTrailer)
        ReportWarning(TGIFSeverity::Warning, messages::InvalidTrailer);
}

TGIFImage::TGIFImage() : header_(this), images_(this) { }

TGIFImage::~TGIFImage() = default;

void TGIFImage::Clear()
{
    images_.Clear();
    header_.Clear();
    reservedPixels_ = 0;
    BitmapCache.reset();
    PaletteCache.reset();
}

void TGIFImage::ReadContent(Stream& stream)
{
    header_.LoadFromStream(stream);
    images_.LoadFromStream(stream);
    TGIFTrailer(this).LoadFromStream(stream);
}

void TGIFImage::LoadFromStream(Stream& stream)
{
    Clear();
    const uint64_t start = stream.Position();
    Progress(TGIFProgressStage::Starting, 0, messages::Loading);
    try {
        ReadContent(stream);
    } catch (...) {
        stream.Seek(start);
        Progress(TGIFProgressStage::Ending, 0, messages::Loading);
        throw;
    }
    Progress(TGIFProgressStage::Ending, 100, messages::Loading);
}

void TGIFImage::ReportWarning(const TGIFObject& sender, TGIFSeverity severity,
                              const std::string& message) const
{
    if (WarningObserver)
        WarningObserver(sender, severity, message);
}

void TGIFImage::ReservePixels(uint64_t count)
{
    if (count > kMaxImagePixels - reservedPixels_)
        throw GIFException(messages::ImageTooLarge);
    reservedPixels_ += count;
}

void TGIFImage::Progress(TGIFProgressStage stage, int percent, const std::string& message) const
{
    if (ProgressObserver)
        ProgressObserver(stage, percent, message);
}

}  // namespace gif

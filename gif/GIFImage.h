#pragma once
// The in-memory GIF image: the header and the frames read from one stream.
//
// Usage:
//
//     gif::ByteStream stream(data, size);   // bytes the caller keeps alive
//     gif::TGIFImage image;
//     image.LoadFromStream(stream);         // throws gif::GIFException
//     QImage bitmap;
//     CopyImageTo(image, bitmap);           // gif/GIFBitmap.h: the first frame
//
// Tolerated faults in the stream go to WarningObserver, when one is set.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "gif/GIFHeader.h"
#include "gif/GIFException.h"
#include "gif/GIFItem.h"
#include "gif/GIFSubImage.h"
#include "gif/Stream.h"

namespace gif {

// The frames, in stream order.
class TGIFImageList final : public TGIFList<TGIFSubImage> {
public:
    using TGIFList::TGIFList;
    // Reads frames until a trailer, the end of the data or a byte that
    // starts no block; leaves the stream on that byte.
    void LoadFromStream(Stream& stream) override;
    const char* ClassName() const override { return "TGIFImageList"; }
};

// Reads and checks the trailer; nothing of it is kept.
class TGIFTrailer final : public TGIFItem {
public:
    using TGIFItem::TGIFItem;
    void LoadFromStream(Stream& stream) override;
    const char* ClassName() const override { return "TGIFTrailer"; }
};

enum class TGIFProgressStage { Starting, Running, Ending };

class TGIFImage final : public TGIFObject {
public:
    using WarningHandler =
        std::function<void(const TGIFObject& sender, TGIFSeverity severity, const std::string& message)>;
    using ProgressHandler =
        std::function<void(TGIFProgressStage stage, int percent, const std::string& message)>;

    TGIFImage();
    ~TGIFImage() override;
    TGIFImage(const TGIFImage&) = delete;
    TGIFImage& operator=(const TGIFImage&) = delete;

    // Replaces the whole content with the GIF at the stream's position.
    // On GIFException the stream is back where it was; frames read before
    // the fault stay in the image.
    void LoadFromStream(Stream& stream);
    void Clear();

    // Logical screen size.
    int Width() const { return header_.Width(); }
    int Height() const { return header_.Height(); }
    // No frames.
    bool Empty() const { return images_.Empty(); }
    TGIFHeader& Header() { return header_; }
    const TGIFHeader& Header() const { return header_; }
    TGIFImageList& Images() { return images_; }
    const TGIFImageList& Images() const { return images_; }

    void ReportWarning(const TGIFObject& sender, TGIFSeverity severity, const std::string& message) const;
    // Books pixels for a frame about to be decoded; GIFException "Image too
    // large" when all frames together would exceed kMaxImagePixels.
    void ReservePixels(uint64_t count);
    void Progress(TGIFProgressStage stage, int percent, const std::string& message) const;
    const char* ClassName() const override { return "TGIFImage"; }

    // Optional observers; the reader runs the same without them.
    WarningHandler WarningObserver;
    ProgressHandler ProgressObserver;

    // Kept by the bitmap output until the image is cleared or reloaded.
    mutable std::unique_ptr<TGIFRenderCache> BitmapCache;
    mutable std::optional<TGIFPalette> PaletteCache;

private:
    void ReadContent(Stream& stream);

    TGIFHeader header_;
    TGIFImageList images_;
    uint64_t reservedPixels_ = 0;
};

}  // namespace gif

// libFuzzer target: any bytes through the GIF reader and, for pictures of a
// sensible size, the bitmap output. Beyond the sanitizers it checks that a
// failed load leaves the stream where it started and that the bitmap has
// the shape it promises.
#include <cstddef>
#include <cstdint>

#include <QImage>

#include "gif/GIFBitmap.h"
#include "gif/GIFException.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

namespace {

// Bitmaps are made only up to this many pixels, to keep the fuzzer quick.
constexpr uint64_t kBitmapPixelLimit = 1 << 20;

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckFrames(const gif::TGIFImage& image)
{
    for (size_t i = 0; i < image.Images().Count(); ++i) {
        const gif::TGIFSubImage& frame = image.Images()[i];
        if (frame.Data())
            Check(frame.DataSize() == size_t(frame.Width()) * size_t(frame.Height()));
    }
}

bool SmallEnoughForBitmap(const gif::TGIFImage& image)
{
    const gif::TGIFSubImage* first = image.Images().First();
    return uint64_t(image.Width()) * uint64_t(image.Height()) <= kBitmapPixelLimit
        && (!first || uint64_t(first->Width()) * uint64_t(first->Height()) <= kBitmapPixelLimit);
}

void CheckBitmap(const gif::TGIFImage& image)
{
    QImage bitmap;
    try {
        gif::CopyImageTo(image, bitmap);
    } catch (const gif::GIFException&) {
        return;
    }
    if (bitmap.isNull())
        return;
    Check(bitmap.format() == QImage::Format_Indexed8);
    Check(bitmap.colorCount() == 256);
    Check(bitmap.width() == image.Width() && bitmap.height() == image.Height());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    gif::ByteStream stream(data, size);
    gif::TGIFImage image;
    size_t warnings = 0;
    image.WarningObserver = [&warnings](const gif::TGIFObject&, gif::TGIFSeverity, const std::string&) {
        ++warnings;
    };
    try {
        image.LoadFromStream(stream);
    } catch (const gif::GIFException&) {
        Check(stream.Position() == 0);
    }
    CheckFrames(image);
    if (SmallEnoughForBitmap(image))
        CheckBitmap(image);
    return 0;
}

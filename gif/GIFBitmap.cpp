#include "gif/GIFBitmap.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

#include "gif/DIBReader.h"
#include "gif/DIBWriter.h"
#include "gif/DecodeFrameData.h"
#include "gif/GIFException.h"

namespace gif {
namespace {

struct BitmapHolder final : TGIFRenderCache {
    explicit BitmapHolder(QImage bitmap) : Bitmap(std::move(bitmap)) { }
    QImage Bitmap;
};

const QImage* CachedBitmap(const std::unique_ptr<TGIFRenderCache>& cache)
{
    const auto* holder = dynamic_cast<const BitmapHolder*>(cache.get());
    return holder ? &holder->Bitmap : nullptr;
}

QRgb ToRgb(const TGIFColor& color)
{
    return qRgb(color.Red, color.Green, color.Blue);
}

// A colour table being filled for a bitmap that shows colours from more
// than one palette: known colours keep their index, new ones take free
// entries, and when none is free the nearest colour stands in.
class ColourTable {
public:
    explicit ColourTable(const TGIFPalette& palette)
    {
        for (const TGIFColor& color : palette)
            colours_.push_back(ToRgb(color));
    }

    uint8_t IndexOf(QRgb colour)
    {
        for (size_t i = 0; i < colours_.size(); ++i)
            if (colours_[i] == colour)
                return static_cast<uint8_t>(i);
        if (colours_.size() < 256) {
            colours_.push_back(colour);
            return static_cast<uint8_t>(colours_.size() - 1);
        }
        return Nearest(colour);
    }

    QList<QRgb> Padded() const
    {
        QList<QRgb> table(colours_.begin(), colours_.end());
        table.resize(256, qRgb(0, 0, 0));
        return table;
    }

private:
    uint8_t Nearest(QRgb colour) const
    {
        size_t best = 0;
        int bestDistance = INT_MAX;
        for (size_t i = 0; i < colours_.size(); ++i) {
            const int dr = qRed(colours_[i]) - qRed(colour);
            const int dg = qGreen(colours_[i]) - qGreen(colour);
            const int db = qBlue(colours_[i]) - qBlue(colour);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        return static_cast<uint8_t>(best);
    }

    std::vector<QRgb> colours_;
};

// Copies the frame bitmap into bitmap at the frame's position, clipped,
// translating its colour indexes through indexMap.
void DrawFrame(QImage& bitmap, const QImage& frameBitmap, int left, int top,
               const std::array<uint8_t, 256>& indexMap)
{
    const int width = std::min(frameBitmap.width(), bitmap.width() - left);
    const int height = std::min(frameBitmap.height(), bitmap.height() - top);
    for (int y = 0; y < height; ++y) {
        const uchar* from = frameBitmap.constScanLine(y);
        uchar* to = bitmap.scanLine(top + y) + left;
        for (int x = 0; x < width; ++x)
            to[x] = indexMap[from[x]];
    }
}

// The first frame drawn onto a white logical screen.
QImage ComposeOnScreen(const TGIFImage& image, const TGIFSubImage& first)
{
    ColourTable table(BuildImagePalette(image));
    if (uint64_t(image.Width()) * uint64_t(image.Height()) > kMaxFramePixels)
        throw GIFException(messages::ImageTooLarge);
    const uint8_t white = table.IndexOf(qRgb(255, 255, 255));
    QImage bitmap(image.Width(), image.Height(), QImage::Format_Indexed8);
    if (bitmap.isNull())
        return bitmap;
    bitmap.fill(white);
    const QImage frameBitmap = BuildFrameBitmap(first);
    if (!frameBitmap.isNull()) {
        std::array<uint8_t, 256> indexMap{};
        for (int i = 0; i < 256; ++i)
            indexMap[i] = table.IndexOf(frameBitmap.color(i));
        DrawFrame(bitmap, frameBitmap, first.Left(), first.Top(), indexMap);
    }
    bitmap.setColorTable(table.Padded());
    return bitmap;
}

}  // namespace

QImage BuildFrameBitmap(const TGIFSubImage& frame)
{
    if (frame.Empty())
        return QImage();
    if (const QImage* cached = CachedBitmap(frame.BitmapCache))
        return *cached;
    const TGIFImage* image = frame.Image();
    const TDIBWriter writer(frame.Data(), frame.Width(), frame.Height(), BuildFramePalette(frame));
    image->Progress(TGIFProgressStage::Starting, 0, messages::Rendering);
    TDIBWriter::RowProgress progress;
    if (image->ProgressObserver)
        progress = [image](int percent) {
            image->Progress(TGIFProgressStage::Running, percent, messages::Rendering);
        };
    const std::vector<uint8_t> file = writer.WriteBMP(progress);
    QImage bitmap = ReadBMP(file);
    if (bitmap.isNull())
        throw BitmapMemoryError(messages::DIBAllocationFailed);
    image->Progress(TGIFProgressStage::Ending, 100, messages::Rendering);
    frame.BitmapCache = std::make_unique<BitmapHolder>(bitmap);
    return bitmap;
}

QImage BuildImageBitmap(const TGIFImage& image)
{
    const TGIFSubImage* first = image.Images().First();
    if (!first)
        return QImage();
    if (const QImage* cached = CachedBitmap(image.BitmapCache))
        return *cached;
    // A frame that covers the screen exactly is the bitmap itself.
    const bool coversScreen = first->Left() == 0 && first->Top() == 0 && first->Width() == image.Width()
        && first->Height() == image.Height();
    QImage bitmap = coversScreen ? BuildFrameBitmap(*first) : ComposeOnScreen(image, *first);
    image.BitmapCache = std::make_unique<BitmapHolder>(bitmap);
    return bitmap;
}

void CopyImageTo(const TGIFImage& image, QImage& dest)
{
    dest = BuildImageBitmap(image);
}

}  // namespace gif

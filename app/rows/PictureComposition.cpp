#include "rows/PictureComposition.h"

#include "rows/PaintBox.h"
#include "rows/PictureHolder.h"
#include "ProgramResources.h"

#include "pictures/PictureStrip.h"

#include "gif/GIFBitmap.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

namespace {

struct BoxLayout {
    const char* box;
    PictureStrip::Placement placement;
    QPoint offset;  // where the strip's top-left corner goes on the box
};

constexpr BoxLayout kBoxLayouts[] = {
    {"PB2", PictureStrip::Placement::Top, QPoint(8, 3)},
    {"PB7", PictureStrip::Placement::Top, QPoint(8, 8)},
    {"PB9", PictureStrip::Placement::Top, QPoint(8, 2)},
    {"PB1", PictureStrip::Placement::Centred, QPoint(8, 3)},
};

const BoxLayout& LayoutOf(const PaintBox& box)
{
    for (const BoxLayout& layout : kBoxLayouts)
        if (box.objectName() == QLatin1String(layout.box))
            return layout;
    return kBoxLayouts[0];
}

}  // namespace

QImage DecodeGifResource(const QString& type, const QString& name)
{
    const QByteArray data = LoadProgramResource(type, name);
    gif::ByteStream stream(data.constData(), static_cast<std::size_t>(data.size()));
    gif::TGIFImage image;
    image.LoadFromStream(stream);
    QImage bitmap;
    gif::CopyImageTo(image, bitmap);
    return bitmap;
}

void LoadGifPicture(PictureHolder& holder, const QString& name)
{
    holder.clearPicture();
    holder.setPicture(DecodeGifResource(QStringLiteral("GIF"), name));
}

void ComposePictures(PaintBox& box, PictureHolder& holder, const PictureSequence& steps)
{
    const BoxLayout& layout = LayoutOf(box);
    // Above one device pixel per pixel the box also gets the fine strip.
    const int fineScale = box.devicePixelRatioF() > 1.0 ? kFinePictureScale : 1;
    PictureStrip strip(box.size(), layout.placement, fineScale);
    for (const PictureStep& step : steps) {
        if (step.isGap()) {
            strip.addGap(step.gap);
            continue;
        }
        const QString name = QString::fromStdString(step.picture);
        LoadGifPicture(holder, name);
        const QImage fine = fineScale > 1 ? DecodeGifResource(QStringLiteral("GIF2X"), name) : QImage();
        strip.append(name, holder.picture(), holder.width(), fine);
    }
    box.copyStrip(strip.image(), layout.offset, strip.placements(), strip.fineImage());
}

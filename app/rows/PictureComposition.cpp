#include "rows/PictureComposition.h"

#include "rows/PaintBox.h"
#include "rows/PictureHolder.h"
#include "ProgramResources.h"

#include "pictures/PictureStrip.h"

#include "gif/GIFBitmap.h"
#include "gif/GIFImage.h"
#include "gif/Stream.h"

#include <QHash>

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

// A picture as the GIF reader gave it (what the holder takes) and the same
// pixels in the strip's format at the picture's scale, ready to be copied.
struct KeptPicture {
    QImage bitmap;
    QImage opaque;
};

// The named picture, decoded the first time it is asked for. Nothing is kept
// of a picture that cannot be read: the next request reads it again and
// fails alike.
KeptPicture KeptGifPicture(const QString& type, const QString& name)
{
    static QHash<QString, KeptPicture> kept;
    const QString key = type + u'/' + name;
    if (const auto found = kept.constFind(key); found != kept.constEnd())
        return found.value();
    KeptPicture picture;
    picture.bitmap = DecodeGifResource(type, name);
    picture.opaque = picture.bitmap.convertToFormat(PictureStrip::kFormat);
    if (type == QLatin1String("GIF2X"))
        picture.opaque.setDevicePixelRatio(kFinePictureScale);
    kept.insert(key, picture);
    return picture;
}

// LoadGifPicture, handing back the picture in the strip's format too.
QImage LoadIntoHolder(PictureHolder& holder, const QString& name)
{
    holder.clearPicture();
    const KeptPicture picture = KeptGifPicture(QStringLiteral("GIF"), name);
    holder.setPicture(picture.bitmap);
    return picture.opaque;
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

QImage StripPicture(const QString& name, bool fine)
{
    return KeptGifPicture(fine ? QStringLiteral("GIF2X") : QStringLiteral("GIF"), name).opaque;
}

void LoadGifPicture(PictureHolder& holder, const QString& name)
{
    LoadIntoHolder(holder, name);
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
        const QImage picture = LoadIntoHolder(holder, name);
        const QImage fine = fineScale > 1 ? KeptGifPicture(QStringLiteral("GIF2X"), name).opaque : QImage();
        strip.append(name, picture, holder.width(), fine);
    }
    box.copyStrip(strip.image(), layout.offset, strip.placements(), strip.fineImage());
}

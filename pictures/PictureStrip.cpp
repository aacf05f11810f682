#include "PictureStrip.h"

#include <QPainter>

namespace {

void DrawOpaque(QImage& target, const QPoint& at, const QImage& picture)
{
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, picture);
}

}  // namespace

PictureStrip::PictureStrip(const QSize& size, Placement placement, int fineScale)
    : image_(size, kFormat), placement_(placement)
{
    image_.fill(Qt::white);
    if (fineScale > 1) {
        fineImage_ = QImage(size * fineScale, kFormat);
        fineImage_.setDevicePixelRatio(fineScale);
        fineImage_.fill(Qt::white);
    }
}

void PictureStrip::append(const QString& name, const QImage& picture, int advance, const QImage& finePicture)
{
    const int y = placement_ == Placement::Centred ? (image_.height() - picture.height()) / 2 : 0;
    const QPoint at(cursor_, y);
    if (!picture.isNull())
        DrawOpaque(image_, at, picture);
    if (!fineImage_.isNull() && !finePicture.isNull()) {
        // Painting on the fine image is in logical pixels; the fine picture
        // covers the same logical area as the plain one, pixel for pixel.
        QImage fine = finePicture;
        fine.setDevicePixelRatio(fineImage_.devicePixelRatio());
        DrawOpaque(fineImage_, at, fine);
    }
    placed_.push_back({name, at});
    cursor_ += advance;
}

#include "PictureStrip.h"

#include <QPainter>

PictureStrip::PictureStrip(const QSize& size, Placement placement)
    : image_(size, QImage::Format_RGB32), placement_(placement)
{
    image_.fill(Qt::white);
}

void PictureStrip::append(const QString& name, const QImage& picture, int advance)
{
    const int y = placement_ == Placement::Centred ? (image_.height() - picture.height()) / 2 : 0;
    const QPoint at(cursor_, y);
    if (!picture.isNull()) {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, picture);
    }
    placed_.push_back({name, at});
    cursor_ += advance;
}

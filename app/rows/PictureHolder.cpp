#include "rows/PictureHolder.h"

PictureHolder::PictureHolder(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    hide();
}

void PictureHolder::setPicture(const QImage& picture)
{
    picture_ = picture;
    if (!picture_.isNull())
        resize(picture_.size());
}

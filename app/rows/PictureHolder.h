#pragma once

#include <QImage>
#include <QWidget>

// A hidden picture component: it holds one picture, takes the picture's
// size whenever it gets a non-empty one, and draws nothing.
class PictureHolder : public QWidget {
    Q_OBJECT
public:
    explicit PictureHolder(const QString& name, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    void clearPicture() { picture_ = QImage(); }

private:
    QImage picture_;
};

#pragma once

#include <QImage>
#include <QString>

#include <vector>

// An off-screen picture strip the size of a paint box, white at creation,
// into which pictures are drawn left to right at the strip cursor.
//
// For screens of a higher pixel density the strip can keep a second, fine
// image, `fineScale` times as large in each direction. Everything is laid
// out in the strip's own (logical) pixels by the plain pictures; the fine
// image gets the fine version of each picture at the same logical place.
class PictureStrip {
public:
    enum class Placement { Top, Centred };

    struct Placed {
        QString picture;
        QPoint position;
    };

    PictureStrip(const QSize& size, Placement placement, int fineScale = 1);

    // Draws the picture opaque with its left edge at the cursor (cut off at
    // the strip's edges) and moves the cursor right by `advance`, the width of
    // the component that holds the picture. With a fine image, `finePicture`
    // (fineScale times the picture's size) is drawn into it at the same place.
    void append(const QString& name, const QImage& picture, int advance,
                const QImage& finePicture = QImage());
    void addGap(int pixels) { cursor_ += pixels; }

    int cursor() const { return cursor_; }
    const QImage& image() const { return image_; }
    // The fine image, its device pixel ratio the fine scale; null when the
    // fine scale is 1.
    const QImage& fineImage() const { return fineImage_; }
    const std::vector<Placed>& placements() const { return placed_; }

    static constexpr int kFirstCursor = 1;
    // The format of the strip and its fine image; a picture in this format
    // is copied into them without conversion.
    static constexpr QImage::Format kFormat = QImage::Format_RGB32;

private:
    QImage image_;
    QImage fineImage_;
    Placement placement_;
    int cursor_ = kFirstCursor;
    std::vector<Placed> placed_;
};

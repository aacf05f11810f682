#pragma once

#include <QImage>
#include <QString>

#include <vector>

// An off-screen picture strip the size of a paint box, white at creation,
// into which pictures are drawn left to right at the strip cursor.
class PictureStrip {
public:
    enum class Placement { Top, Centred };

    struct Placed {
        QString picture;
        QPoint position;
    };

    PictureStrip(const QSize& size, Placement placement);

    // Draws the picture opaque with its left edge at the cursor (cut off at
    // the strip's edges) and moves the cursor right by `advance`, the width of
    // the component that holds the picture.
    void append(const QString& name, const QImage& picture, int advance);
    void addGap(int pixels) { cursor_ += pixels; }

    int cursor() const { return cursor_; }
    const QImage& image() const { return image_; }
    const std::vector<Placed>& placements() const { return placed_; }

    static constexpr int kFirstCursor = 1;

private:
    QImage image_;
    Placement placement_;
    int cursor_ = kFirstCursor;
    std::vector<Placed> placed_;
};

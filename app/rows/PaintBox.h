#pragma once

#include "pictures/PictureStrip.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

// A picture row's paint box. Its paint handler composes a picture strip and
// hands it over with copyStrip(); the box keeps the strip and shows it. A
// repaint that the window system asks for runs the handler again, and so does
// showing a box that was hidden when its strip came; a handler that stops in
// its guard leaves the box white. A box on a page not shown keeps where its
// pictures lie but not their pixels.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    // Returns false when the handler failed (its error is reported elsewhere);
    // the box then keeps what it showed.
    using Handler = std::function<bool()>;

    explicit PaintBox(const QString& name, QWidget* parent = nullptr);

    void setPaintHandler(Handler handler) { handler_ = std::move(handler); }
    // The final copy of a composition: the strip's top-left corner goes to
    // `offset` in the box; what falls outside the box is cut off. A fine
    // strip (device pixel ratio above 1) is shown instead of the strip on
    // screens of more than one device pixel per pixel.
    void copyStrip(const QImage& strip, const QPoint& offset, std::vector<PictureStrip::Placed> placements,
                   const QImage& fineStrip = QImage());

    const QImage& strip() const { return strip_; }
    const QImage& fineStrip() const { return fineStrip_; }
    // Which pictures the strip holds and where (strip coordinates).
    const std::vector<PictureStrip::Placed>& placements() const { return placements_; }
    QPoint stripOffset() const { return offset_; }
    int compositionCount() const { return compositionCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool onLeftPage() const;
    void releaseStrip();

    Handler handler_;
    QImage strip_;
    QImage fineStrip_;
    QPoint offset_;
    std::vector<PictureStrip::Placed> placements_;
    bool stripIsFresh_ = false;
    bool painting_ = false;
    int compositionCount_ = 0;
};

#include "rows/ValueCell.h"

#include <QEvent>
#include <QPainter>

ValueCell::ValueCell(const QString& name, const QFont& font, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setFont(font);
    // Black on white: the window's own colours, drawn on its page's fill.
}

ValueCell::~ValueCell() = default;

void ValueCell::setCaption(const QByteArray& glyphs)
{
    ++captionSetCount_;
    if (glyphs == caption_)
        return;
    caption_ = glyphs;
    update();
}

void ValueCell::setFontFamily(const QString& family)
{
    QFont font = this->font();
    font.setFamily(family);
    setFont(font);
}

const GlyphFace& ValueCell::face() const
{
    if (!face_)
        face_ = GlyphFace::forFont(font());
    return *face_;
}

void ValueCell::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        face_.reset();
        update();
    }
    QWidget::changeEvent(event);
}

// A hidden page's glyphs are not kept: showing the page again renders the
// few its rows show, and the pages shown meanwhile reuse their memory.
void ValueCell::hideEvent(QHideEvent* event)
{
    if (face_)
        face_->forgetDrawnGlyphs();
    QWidget::hideEvent(event);
}

void ValueCell::paintEvent(QPaintEvent*)
{
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    face().draw(painter, QPointF(0, face().baselineIn(height())), caption_, width());
}

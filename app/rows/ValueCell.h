#pragma once

#include "glyphs/GlyphFace.h"

#include <QByteArray>
#include <QWidget>

#include <memory>

// The value cell of a glyph-string row: a panel whose caption is a glyph
// string, drawn left-aligned and vertically centred, glyph by glyph from
// the cell's own font, in the window's black on its page's white.
class ValueCell : public QWidget {
    Q_OBJECT
public:
    ValueCell(const QString& name, const QFont& font, QWidget* parent = nullptr);
    ~ValueCell() override;

    QByteArray caption() const { return caption_; }
    void setCaption(const QByteArray& glyphs);

    QString fontFamily() const { return font().family(); }
    void setFontFamily(const QString& family);
    const GlyphFace& face() const;

    // How many times the caption was set (whether or not it changed); lets
    // tests and the inspector see which rows a refresh reached.
    int captionSetCount() const { return captionSetCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QByteArray caption_ = "-";
    mutable std::shared_ptr<const GlyphFace> face_;
    int captionSetCount_ = 0;
};

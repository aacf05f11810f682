#pragma once

#include <QLabel>

// A row's caption: a label of a fixed size. Its size hint is that size, so
// laying out the rows measures none of the 58 captions; a caption's text is
// shaped only when it is drawn.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& text, const QSize& size, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

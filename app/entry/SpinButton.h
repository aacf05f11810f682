#pragma once

#include <QTimer>
#include <QWidget>

// An up/down control of two halves. Pressing a half clicks it once; holding
// it repeats the click after 400 ms and then every 100 ms while the pointer
// stays on the pressed half. A click leaves the keyboard focus where it was;
// with the focus (reached with Tab), Up and Down click their half and Space
// clicks the half that has the focus (the one last pressed).
class SpinButton : public QWidget {
    Q_OBJECT
public:
    enum class Half { None, Up, Down };

    explicit SpinButton(QWidget* parent = nullptr);

    static constexpr int kFirstRepeatDelay = 400;
    static constexpr int kRepeatInterval = 100;

    Half focusedHalf() const { return focusedHalf_; }
    Half pressedHalf() const { return pressedHalf_; }

signals:
    void upClicked();
    void downClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Half halfAt(const QPoint& position) const;
    QRect rectOf(Half half) const;
    void click(Half half);
    void repeat();
    void paintHalf(QPainter& painter, Half half) const;

    QTimer repeatTimer_;
    Half pressedHalf_ = Half::None;
    Half focusedHalf_ = Half::Up;
    bool pointerOnPressedHalf_ = false;
};

#pragma once
// A picture of a fixed size that can be clicked; the kinds of picture paint themselves. One
// that takes the keyboard focus (a focus policy other than NoFocus) is also pressed with
// Space or Enter and is a button for screen readers (accessibility.cpp).

#include <QWidget>

class QPainter;

namespace numeralia::app {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    // `size` is the size in logical pixels.
    explicit PictureBox(QSize size, QWidget* parent = nullptr);
    QSize sizeHint() const override { return size_; }
    // Whether anything listens to clicks on the picture.
    bool isClickable() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A dotted frame while the picture has the focus; the kinds of picture call it last.
    void paintFocusFrame(QPainter& painter) const;

private:
    QSize size_;
};

}  // namespace numeralia::app

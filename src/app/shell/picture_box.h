#pragma once
// A picture of a fixed size that can be clicked; the kinds of picture paint themselves.

#include <QWidget>

namespace numeralia::app {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    // `size` is the size in logical pixels.
    explicit PictureBox(QSize size, QWidget* parent = nullptr);
    QSize sizeHint() const override { return size_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize size_;
};

}  // namespace numeralia::app

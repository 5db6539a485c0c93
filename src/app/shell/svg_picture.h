#pragma once
// A picture drawn from an SVG resource, sharp at every screen scale. It can be clicked.

#include <QSvgRenderer>
#include <QWidget>

namespace numeralia::app {

class SvgPicture : public QWidget {
    Q_OBJECT
public:
    // `resource` is a path such as ":/pictures/logo.svg"; `size` is the size in logical pixels.
    SvgPicture(const QString& resource, QSize size, QWidget* parent = nullptr);

    void setSource(const QString& resource);
    QString source() const { return source_; }
    QSize sizeHint() const override { return size_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString source_;
    QSize size_;
    QSvgRenderer renderer_;
};

}  // namespace numeralia::app

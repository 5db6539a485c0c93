#pragma once
// A picture drawn from an SVG resource, sharp at every screen scale. It can be clicked.

#include <QSvgRenderer>

#include "app/shell/picture_box.h"

namespace numeralia::app {

class SvgPicture : public PictureBox {
    Q_OBJECT
public:
    // `resource` is a path such as ":/pictures/logo.svg"; `size` is the size in logical pixels.
    SvgPicture(const QString& resource, QSize size, QWidget* parent = nullptr);

    void setSource(const QString& resource);
    QString source() const { return source_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString source_;
    QSvgRenderer renderer_;
};

}  // namespace numeralia::app

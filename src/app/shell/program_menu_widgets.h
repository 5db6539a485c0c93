#pragma once
// The pieces the Program menu is drawn with: its title band, the panel behind the buttons
// and the picture buttons themselves. They paint themselves directly (no style sheet), so
// the first window of the program comes up quickly.

#include <QImage>
#include <QSvgRenderer>
#include <QToolButton>
#include <QWidget>

namespace numeralia::app {

// The dark blue band across the top of the window.
class TitleBand : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A light rounded panel.
class RoundedPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A square button that shows only its picture (an SVG resource, drawn at the screen's own
// resolution): white and rounded, blue when the mouse is over it, darker while pressed,
// grey when the window it opens does not exist yet.
class PictureButton : public QToolButton {
public:
    explicit PictureButton(const QString& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& greyPicture(qreal pixelRatio);

    QSvgRenderer picture_;
    QImage grey_;
};

// The program's icon, in the sizes window managers ask for.
QIcon programIcon();

}  // namespace numeralia::app

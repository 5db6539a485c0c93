#pragma once
// The 109 element keys laid out as an 18-column periodic table, with the column numbers, the
// lanthanide and actinide rows and their labels, and the legend of the key faces. A widget
// can be placed in the gap above the transition metals. The keys can be walked with the
// arrow keys and pressed with Enter or Space.

#include <QAbstractButton>
#include <array>

#include "core/chem/elements.h"

class QGridLayout;

namespace numeralia::app {

class ElementKey : public QAbstractButton {
    Q_OBJECT
public:
    ElementKey(int z, int side, QWidget* parent = nullptr);
    int atomicNumber() const { return z_; }
    // The key of the element on the sheet wears a ring.
    void setShown(bool shown);
    bool isShown() const { return shown_; }
    QSize sizeHint() const override;

signals:
    void arrowPressed(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int z_;
    int side_;
    bool shown_ = false;
};

class ElementGrid : public QWidget {
    Q_OBJECT
public:
    explicit ElementGrid(QWidget* parent = nullptr);

    ElementKey* key(int z) const { return keys_.at(static_cast<std::size_t>(z)); }
    // Puts a widget in the empty place above the transition metals (columns 3 to 12 of
    // periods 1 to 3).
    void setCentrePiece(QWidget* widget);
    void setShownElement(int z);
    void focusElement(int z);
    int keySide() const { return side_; }

signals:
    void elementClicked(int z);

private:
    QGridLayout* grid_ = nullptr;
    std::array<ElementKey*, chem::kElementCount + 1> keys_{};
    int side_ = 0;
};

// The legend of the key faces and marks.
QWidget* makeElementLegend(int chipSide);

}  // namespace numeralia::app

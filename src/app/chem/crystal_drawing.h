#pragma once
// Pictures of the element sheet: the unit cell of each crystal system, drawn in three
// dimensions (hidden edges dashed, atoms shaded and drawn from the back to the front), and
// the swatch of the acid-base character of the oxide.

#include "app/shell/picture_box.h"
#include "core/chem/periodic_model.h"

namespace numeralia::app {

// Draws the unit cell of a crystal system into an area; the empty picture draws nothing.
void paintCrystal(QPainter& painter, const QRectF& area, chem::CrystalPicture picture);
// Draws a swatch: red for an acid oxide, blue for a basic one, both for an amphoteric one,
// deeper for the strong forms; nothing for None.
void paintSwatch(QPainter& painter, const QRectF& area, chem::Swatch swatch);

// What a picture shows, in words, for its tool tip ("Cúbica centrada en las caras").
QString crystalDescription(chem::CrystalPicture picture);
QString swatchDescription(chem::Swatch swatch);

// A picture box of the sheet; it can be clicked.
class SheetPicture : public PictureBox {
    Q_OBJECT
public:
    enum class Kind { Crystal, Swatch };
    SheetPicture(Kind kind, QSize size, QWidget* parent = nullptr);

    void setCrystal(chem::CrystalPicture picture);
    void setSwatch(chem::Swatch swatch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    chem::CrystalPicture crystal_ = chem::CrystalPicture::None;
    chem::Swatch swatch_ = chem::Swatch::None;
};

}  // namespace numeralia::app

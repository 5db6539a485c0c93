#pragma once
// The element sheet: the card with the symbol, number, name and weight (it sits in the gap
// of the key grid) and the block of property fields with their captions, footnote marks and
// unit labels, the crystal picture and the acid-base swatch.

#include <QWidget>
#include <string>
#include <vector>

#include "core/chem/periodic_model.h"

class QLabel;
class QLineEdit;

namespace numeralia::app {

class SheetPicture;

class IdentityCard : public QWidget {
    Q_OBJECT
public:
    explicit IdentityCard(QWidget* parent = nullptr);
    void showSheet(const chem::PeriodicTableModel& model);

private:
    QLineEdit* z_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* symbol_ = nullptr;
    QLineEdit* weight_ = nullptr;
};

class ElementSheetView : public QWidget {
    Q_OBJECT
public:
    explicit ElementSheetView(QWidget* parent = nullptr);
    void showSheet(const chem::PeriodicTableModel& model);
    SheetPicture* crystal() const { return crystal_; }
    SheetPicture* swatch() const { return swatch_; }

private:
    struct Field {
        QLineEdit* box;
        std::string chem::ElementSheet::*text;
    };
    std::vector<Field> fields_;
    QLabel* ionizationUnit_ = nullptr;
    QLabel* vaporizationUnit_ = nullptr;
    QLabel* fusionUnit_ = nullptr;
    QLabel* thermalUnit_ = nullptr;
    QLabel* specificHeatUnit_ = nullptr;
    SheetPicture* crystal_ = nullptr;
    SheetPicture* swatch_ = nullptr;
};

// A read-only field of the sheet.
QLineEdit* sheetField(const char* name, int widthInDigits);

}  // namespace numeralia::app

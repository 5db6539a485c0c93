#include "app/chem/element_sheet_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/chem/bgr_colour.h"
#include "app/chem/crystal_drawing.h"
#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

QLabel* caption(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setProperty("caption", true);
    return label;
}

QLabel* mark(const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setProperty("mark", true);
    return label;
}

void setField(QLineEdit* box, const std::string& text) {
    const QString shown = qs(text);
    if (box->text() == shown) return;
    box->setText(shown);
    box->setCursorPosition(0);
}

}  // namespace

QLineEdit* sheetField(const char* name, int widthInDigits) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setProperty("sheet", true);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthInDigits + 12);
    return box;
}

IdentityCard::IdentityCard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ficha"));
    z_ = sheetField("z", 5);
    name_ = sheetField("nombres", 13);
    weight_ = sheetField("pesos", 13);
    symbol_ = sheetField("simbolos", 3);
    symbol_->setAlignment(Qt::AlignCenter);
    QFont big = symbol_->font();
    big.setPointSizeF(big.pointSizeF() * 2.4);
    big.setBold(true);
    symbol_->setFont(big);
    const int side = symbol_->fontMetrics().height() + 14;
    symbol_->setFixedSize(side * 3 / 2, side);
    z_->setMaximumWidth(z_->minimumWidth());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    grid->addWidget(symbol_, 0, 0, 2, 1, Qt::AlignCenter);
    auto* symbolCaption = caption("Símbolo (3)");
    symbolCaption->setAlignment(Qt::AlignCenter);
    grid->addWidget(symbolCaption, 2, 0);
    grid->addWidget(caption("Número atómico"), 0, 1);
    grid->addWidget(z_, 0, 2, Qt::AlignLeft);
    grid->addWidget(caption("Nombre"), 1, 1);
    grid->addWidget(name_, 1, 2);
    grid->addWidget(caption("Peso atómico (4)"), 2, 1);
    grid->addWidget(weight_, 2, 2);
    grid->setColumnStretch(2, 1);
}

void IdentityCard::showSheet(const chem::PeriodicTableModel& model) {
    const chem::ElementSheet& sheet = model.sheet();
    setField(z_, sheet.z);
    setField(name_, sheet.nombres);
    setField(weight_, sheet.pesos);
    setField(symbol_, sheet.simbolos);
    // Drawn in the colour of the element's state (the window's style sheet sets the other
    // fields' colour, so this one needs its own).
    symbol_->setStyleSheet(
        QStringLiteral("QLineEdit { color: %1; }").arg(bgrColour(model.symbolColour()).name()));
}

ElementSheetView::ElementSheetView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("hoja"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    using S = chem::ElementSheet;
    struct Row {
        const char* caption;
        const char* name;
        std::string S::*text;
        int width;
    };
    const Row left[] = {
        {"Punto ebullición (C)", "ebulliciones", &S::ebulliciones, 9},
        {"Punto fusión (C)", "fusiones", &S::fusiones, 9},
        {"Densidad (g/ml) (1)", "densidades", &S::densidades, 9},
        {"Valencias. (mas estable).", "valencias", &S::valencias, 9},
        {"Electronegatividad (Pauling)", "electronegs", &S::electronegs, 9},
        {"Estructura electrónica", "electrones", &S::electrones, 17},
        {"Radio covalente (Å)", "radiocs", &S::radiocs, 9},
        {"Radio atómico (Å) (2)", "radioas", &S::radioas, 9},
        {"Volumen atómico W/D", "volumenes", &S::volumenes, 9},
    };
    int line = 0;
    for (const Row& row : left) {
        QLineEdit* box = sheetField(row.name, row.width);
        fields_.push_back({box, row.text});
        grid->addWidget(caption(row.caption), line, 0);
        grid->addWidget(box, line, 1);
        ++line;
    }
    grid->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QLatin1Char('M')));

    struct RightRow {
        const char* caption;
        const char* name;
        std::string S::*text;
        QLabel** unit;
        const char* unitName;
        const char* footnote;
    };
    QLabel* conductanceUnit = nullptr;
    QLabel* noUnit = nullptr;
    const RightRow right[] = {
        {"1ª E.  ionización", "energias", &S::energias, &ionizationUnit_, "unidadEnergias", nullptr},
        {"Calor vaporiz", "calorvs", &S::calorvs, &vaporizationUnit_, "unidadCalorvs", "(8)"},
        {"Calor de fusión", "calorfs", &S::calorfs, &fusionUnit_, "unidadCalorfs", nullptr},
        {"Calor específico", "calores", &S::calores, &specificHeatUnit_, "unidadCalores", nullptr},
        {"Conductividad térmica", "condutes", &S::condutes, &thermalUnit_, "unidadCondutes", "(10)"},
        {"Conductancia eléct.", "conduces", &S::conduces, &conductanceUnit, "unidadConduces", "(9)"},
        {"Radio iónico (Å) (5)", "radiois", &S::radiois, &noUnit, nullptr, nullptr},
        {"Carácter ácido/básico (7)", "caracteres", &S::caracteres, &noUnit, nullptr, nullptr},
        {"Sistema cristalino (6)", "sistemas", &S::sistemas, &noUnit, nullptr, nullptr},
    };
    line = 0;
    for (const RightRow& row : right) {
        QLineEdit* box = sheetField(row.name, 12);
        fields_.push_back({box, row.text});
        grid->addWidget(caption(row.caption), line, 3);
        grid->addWidget(box, line, 4);
        if (row.unitName != nullptr) {
            *row.unit = new QLabel;
            (*row.unit)->setObjectName(QString::fromLatin1(row.unitName));
            (*row.unit)->setProperty("unit", true);
            grid->addWidget(*row.unit, line, 5);
        }
        if (row.footnote != nullptr) grid->addWidget(mark(row.footnote), line, 6);
        ++line;
    }
    // The unit the sheet has always written for the conductance.
    conductanceUnit->setText(QStringLiteral("(mΩ)"));

    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    swatch_ = new SheetPicture(SheetPicture::Kind::Swatch, QSize(em * 4, fontMetrics().height() + 6));
    swatch_->setObjectName(QStringLiteral("caracter"));
    grid->addWidget(swatch_, 7, 5, Qt::AlignLeft | Qt::AlignVCenter);
    crystal_ = new SheetPicture(SheetPicture::Kind::Crystal, QSize(em * 12, em * 12));
    crystal_->setObjectName(QStringLiteral("cristal"));
    grid->addWidget(crystal_, 0, 7, 9, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
}

void ElementSheetView::showSheet(const chem::PeriodicTableModel& model) {
    const chem::ElementSheet& sheet = model.sheet();
    for (const Field& field : fields_) setField(field.box, sheet.*field.text);
    const chem::EnergyLabels& labels = model.energyLabels();
    ionizationUnit_->setText(qs(labels.energias));
    vaporizationUnit_->setText(qs(labels.calorvs));
    fusionUnit_->setText(qs(labels.calorfs));
    thermalUnit_->setText(qs(labels.condutes));
    specificHeatUnit_->setText(qs(labels.calores));
    crystal_->setCrystal(model.crystalPicture());
    swatch_->setSwatch(model.swatch());
}

}  // namespace numeralia::app

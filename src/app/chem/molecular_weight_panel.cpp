#include "app/chem/molecular_weight_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/chem/bgr_colour.h"
#include "app/chem/element_sheet_view.h"
#include "core/chem/formula_parser.h"
#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

// Key faces, as 0x00BBGGRR values.
constexpr std::uint32_t kDigitFace = 0xE0E0E0;
constexpr std::uint32_t kClearFace = 0x8080FF;
constexpr std::uint32_t kEqualsFace = 0x00C000;
constexpr std::uint32_t kExitFace = 0x0080FF;

QPushButton* key(const QString& text, std::uint32_t face, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    const QColor colour = bgrColour(face);
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid %2;"
                                         " border-radius: 3px; padding: 3px 8px; font-weight: bold;"
                                         " color: black; }"
                                         "QPushButton:pressed { background: %2; }")
                              .arg(colour.name(), colour.darker(140).name()));
    return button;
}

}  // namespace

MolecularWeightPanel::MolecularWeightPanel(chem::PeriodicTableModel& model,
                                           std::function<void()> changed, QWidget* parent)
    : QWidget(parent), model_(model), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("calculoPM"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    auto* clicks = new QGroupBox(QStringLiteral("Cálculo de Pesos Moleculares"));
    auto* grid = new QGridLayout(clicks);
    formula_ = sheetField("formula", 26);
    mass_ = sheetField("masa", 12);
    subscript_ = sheetField("nn", 4);
    subscript_->setAlignment(Qt::AlignCenter);
    subscript_->setToolTip(QStringLiteral("Subíndice del último elemento: escríbalo y pulse [=]"));
    subscript_->setMaximumWidth(subscript_->minimumWidth());
    grid->addWidget(new QLabel(QStringLiteral("Fórmula")), 0, 0);
    grid->addWidget(formula_, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("PM  (g/mol)")), 1, 0);
    grid->addWidget(mass_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Subíndice")), 1, 2, Qt::AlignRight);
    grid->addWidget(subscript_, 1, 3);
    grid->addWidget(buildKeys(), 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    row->addWidget(clicks, 3);
    row->addWidget(buildTypedFormula(), 2);
    refresh();
}

QWidget* MolecularWeightPanel::buildKeys() {
    auto* keys = new QWidget;
    auto* row = new QHBoxLayout(keys);
    row->setContentsMargins(0, 2, 0, 0);
    row->setSpacing(3);
    for (int d = 0; d <= 9; ++d) {
        QPushButton* digit =
            key(QString::number(d), kDigitFace, QStringLiteral("tecla%1").arg(d).toLatin1().constData());
        connect(digit, &QPushButton::clicked, this, [this, d] {
            model_.pressCalculatorDigit(d);
            changed_();
        });
        row->addWidget(digit);
    }
    QPushButton* equals = key(QStringLiteral("="), kEqualsFace, "igual");
    connect(equals, &QPushButton::clicked, this, [this] {
        model_.pressCalculatorEquals();
        changed_();
    });
    QPushButton* clear = key(QStringLiteral("C"), kClearFace, "borrar");
    clear->setToolTip(QStringLiteral("Borra la fórmula y la masa"));
    connect(clear, &QPushButton::clicked, this, [this] {
        model_.pressCalculatorClear();
        changed_();
    });
    QPushButton* exit = key(QStringLiteral("Salir"), kExitFace, "salir");
    connect(exit, &QPushButton::clicked, this, [this] {
        model_.exitCalculator();
        changed_();
    });
    row->addWidget(equals);
    row->addWidget(clear);
    row->addSpacing(8);
    row->addWidget(exit);
    return keys;
}

QWidget* MolecularWeightPanel::buildTypedFormula() {
    auto* box = new QGroupBox(QStringLiteral("Fórmula escrita"));
    auto* layout = new QVBoxLayout(box);
    typed_ = new QLineEdit;
    typed_->setObjectName(QStringLiteral("formulaEscrita"));
    typed_->setPlaceholderText(QStringLiteral("H2SO4, Ca(OH)2, CuSO4·5H2O..."));
    typed_->setToolTip(QStringLiteral(
        "Escriba una fórmula: símbolos con mayúscula, subíndices, paréntesis (también [ ] y { })"
        " e hidratos con · o *"));
    connect(typed_, &QLineEdit::textChanged, this, [this] { showTypedFormula(); });
    typedMass_ = new QLabel;
    typedMass_->setObjectName(QStringLiteral("pmEscrito"));
    typedMass_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    typedError_ = new QLabel;
    typedError_->setObjectName(QStringLiteral("errorFormula"));
    typedError_->setWordWrap(true);
    typedError_->setStyleSheet(QStringLiteral("QLabel { color: #b02020; }"));
    composition_ = new QTableWidget(0, 4);
    composition_->setObjectName(QStringLiteral("composicion"));
    composition_->setHorizontalHeaderLabels(
        {QStringLiteral("Elemento"), QStringLiteral("Átomos"), QStringLiteral("g/mol"),
         QStringLiteral("% en masa")});
    composition_->verticalHeader()->hide();
    composition_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    composition_->setFocusPolicy(Qt::NoFocus);
    composition_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    composition_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    composition_->setFixedHeight((fontMetrics().height() + 4) * 4 + composition_->horizontalHeader()->sizeHint().height() + 4);
    layout->addWidget(typed_);
    layout->addWidget(typedMass_);
    layout->addWidget(typedError_);
    layout->addWidget(composition_);
    return box;
}

void MolecularWeightPanel::showTypedFormula() {
    const std::string text = typed_->text().toStdString();
    const chem::FormulaAnalysis analysis = chem::analyseFormula(text);
    composition_->setRowCount(0);
    if (text.find_first_not_of(" \t") == std::string::npos) {
        typedMass_->clear();
        typedError_->clear();
        return;
    }
    if (analysis.error) {
        typedMass_->clear();
        // The formula again, with the faulty characters marked, then what is wrong.
        const std::u32string all = typed_->text().toStdU32String();
        const std::size_t from = std::min(analysis.error->position - 1, all.size());
        const std::size_t length = std::min(analysis.error->length, all.size() - from);
        const auto part = [&](std::size_t at, std::size_t n) {
            return QString::fromStdU32String(all.substr(at, n)).toHtmlEscaped();
        };
        typedError_->setText(
            QStringLiteral("<tt>%1<span style='background:#ffd6d6; text-decoration:underline;'>"
                           "%2</span>%3</tt><br>%4 (posición %5)")
                .arg(part(0, from), part(from, length), part(from + length, std::u32string::npos),
                     qs(analysis.error->message).toHtmlEscaped())
                .arg(analysis.error->position));
        return;
    }
    typedError_->clear();
    typedMass_->setText(QStringLiteral("PM = <b>%1</b> g/mol")
                            .arg(qs(analysis.sum.massText()).trimmed()));
    composition_->setRowCount(static_cast<int>(analysis.composition.size()));
    int r = 0;
    for (const chem::CompositionRow& row : analysis.composition) {
        const QString cells[] = {qs(row.symbol), QString::number(row.count), qs(row.massText),
                                 qs(row.percentText)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            composition_->setItem(r, c, item);
        }
        ++r;
    }
}

void MolecularWeightPanel::refresh() {
    const chem::MolecularWeightCalculator& calc = model_.calculator();
    formula_->setText(qs(calc.formula()));
    mass_->setText(qs(calc.massText()));
    subscript_->setText(qs(calc.subscript()));
}

}  // namespace numeralia::app

#include "app/chem/chemistry_tables.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/chem/light_spectrum.h"
#include "core/chem/reduction_potentials.h"
#include "app/shell/qt_text.h"
#include "app/shell/accessibility.h"

namespace numeralia::app {

namespace {

QColor colourOf(double nm) {
    const chem::Rgb rgb = chem::wavelengthColour(nm);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

// The spectrum drawn in its colours, the bands named under it, the chosen wavelength marked;
// a click chooses the wavelength under the mouse.
class SpectrumBar : public QWidget {
public:
    explicit SpectrumBar(std::function<void(int)> choose) : choose_(std::move(choose)) {
        setObjectName(QStringLiteral("espectro"));
        setMinimumSize(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 46,
                       fontMetrics().height() * 7);
        setCursor(Qt::CrossCursor);
    }
    void setWavelength(int nm) {
        wavelength_ = nm;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int line = fontMetrics().height();
        const QRectF strip(margin(), line * 1.4, width() - 2 * margin(), height() - line * 4.4);
        for (int x = 0; x < static_cast<int>(strip.width()); ++x) {
            painter.setPen(colourOf(nmAt(strip.left() + x + 0.5)));
            painter.drawLine(QPointF(strip.left() + x + 0.5, strip.top()),
                             QPointF(strip.left() + x + 0.5, strip.bottom()));
        }
        painter.setPen(QPen(QColor(0x26, 0x46, 0x53), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(strip);
        // Band limits with their wavelengths above (one that would touch the last one
        // written is left out) and the band names below; the names of narrow bands go on a
        // second line, pointing at their band.
        double lastNumberEnd = -1e9;
        auto number = [&](double nm) {
            const QString text = QString::number(nm);
            const double half = fontMetrics().horizontalAdvance(text) / 2.0 + 2;
            if (xAt(nm) - half < lastNumberEnd) return;
            painter.drawText(QRectF(xAt(nm) - half, 0, 2 * half, line * 1.3), Qt::AlignCenter, text);
            lastNumberEnd = xAt(nm) + half;
        };
        bool second = false;
        for (const chem::ColourBand& band : chem::visibleBands()) {
            const double from = xAt(band.from), to = xAt(band.to);
            painter.drawLine(QPointF(from, strip.bottom()), QPointF(from, strip.bottom() + line * 0.4));
            number(band.from);
            const QString name = qs(band.name);
            const double width = fontMetrics().horizontalAdvance(name);
            if (width + 6 < to - from) {
                painter.drawText(QRectF(from, strip.bottom() + line * 0.3, to - from, line * 1.4),
                                 Qt::AlignCenter, name);
                continue;
            }
            const double middle = (from + to) / 2;
            const double y = strip.bottom() + line * 1.6;
            painter.drawLine(QPointF(middle, strip.bottom()), QPointF(middle, y + line * 0.2));
            // The first narrow band writes to the left of its pointer, the next to the right.
            const QRectF box = second ? QRectF(middle + 3, y, width + 4, line * 1.2)
                                      : QRectF(middle - width - 7, y, width + 4, line * 1.2);
            painter.drawText(box, Qt::AlignCenter, name);
            second = !second;
        }
        number(chem::kVisibleTo);
        // The chosen wavelength.
        const double x = xAt(wavelength_);
        painter.setPen(QPen(Qt::white, 3));
        painter.drawLine(QPointF(x, strip.top() - 2), QPointF(x, strip.bottom() + 2));
        painter.setPen(QPen(Qt::black, 1.2));
        painter.drawLine(QPointF(x, strip.top() - 2), QPointF(x, strip.bottom() + 2));
    }
    void mousePressEvent(QMouseEvent* event) override { chooseAt(event->position().x()); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (event->buttons() & Qt::LeftButton) chooseAt(event->position().x());
    }

private:
    double margin() const { return fontMetrics().horizontalAdvance(QStringLiteral("000")); }
    double xAt(double nm) const {
        return margin() + (nm - chem::kVisibleFrom) / (chem::kVisibleTo - chem::kVisibleFrom) *
                              (width() - 2 * margin());
    }
    double nmAt(double x) const {
        return chem::kVisibleFrom +
               (x - margin()) / (width() - 2 * margin()) * (chem::kVisibleTo - chem::kVisibleFrom);
    }
    void chooseAt(double x) {
        const double nm = std::clamp(nmAt(x), chem::kVisibleFrom, chem::kVisibleTo);
        choose_(static_cast<int>(std::lround(nm)));
    }

    std::function<void(int)> choose_;
    int wavelength_ = 550;
};

SpectrumWindow::SpectrumWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Spectrum"));
    setWindowTitle(QStringLiteral("Espectro de la Luz"));
    auto* title = new QLabel(QStringLiteral("Espectro visible: de 380 a 750 nm"));
    title->setStyleSheet(QStringLiteral("QLabel { font-size: 13pt; font-weight: bold; color: #1d3557; }"));
    bar_ = new SpectrumBar([this](int nm) { chooseWavelength(nm); });

    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("deslizador"));
    slider_->setRange(static_cast<int>(chem::kVisibleFrom), static_cast<int>(chem::kVisibleTo));
    spin_ = new QSpinBox;
    spin_->setObjectName(QStringLiteral("longitudOnda"));
    spin_->setRange(static_cast<int>(chem::kVisibleFrom), static_cast<int>(chem::kVisibleTo));
    spin_->setSuffix(QStringLiteral(" nm"));
    connect(slider_, &QSlider::valueChanged, this, &SpectrumWindow::chooseWavelength);
    connect(spin_, &QSpinBox::valueChanged, this, &SpectrumWindow::chooseWavelength);

    band_ = new QLabel;
    band_->setObjectName(QStringLiteral("color"));
    swatch_ = new QLabel;
    swatch_->setFixedSize(fontMetrics().height() * 3, fontMetrics().height() * 3 / 2);
    frequency_ = new QLabel;
    frequency_->setObjectName(QStringLiteral("frecuencia"));
    electronvolts_ = new QLabel;
    electronvolts_->setObjectName(QStringLiteral("energiaEv"));
    kilojoules_ = new QLabel;
    kilojoules_->setObjectName(QStringLiteral("energiaKj"));

    auto* choose = new QHBoxLayout;
    choose->addWidget(new QLabel(QStringLiteral("Longitud de onda:")));
    choose->addWidget(spin_);
    choose->addWidget(slider_, 1);
    auto* facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("Color:")), 0, 0);
    auto* colour = new QHBoxLayout;
    colour->addWidget(swatch_);
    colour->addWidget(band_, 1);
    facts->addLayout(colour, 0, 1);
    facts->addWidget(new QLabel(QStringLiteral("Frecuencia:")), 1, 0);
    facts->addWidget(frequency_, 1, 1);
    facts->addWidget(new QLabel(QStringLiteral("Energía de un fotón:")), 2, 0);
    facts->addWidget(electronvolts_, 2, 1);
    facts->addWidget(new QLabel(QStringLiteral("Energía de un mol de fotones:")), 3, 0);
    facts->addWidget(kilojoules_, 3, 1);
    facts->setColumnStretch(1, 1);
    auto* note = new QLabel(QStringLiteral(
        "ν = c / λ      E = h·ν = h·c / λ      (c = 299 792 458 m/s,  h = 6,62607015·10⁻³⁴ J·s)"));
    note->setStyleSheet(QStringLiteral("QLabel { color: #52606d; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(bar_);
    layout->addLayout(choose);
    layout->addLayout(facts);
    layout->addWidget(note);
    chooseWavelength(550);
}

void SpectrumWindow::chooseWavelength(int nm) {
    nm = std::clamp(nm, static_cast<int>(chem::kVisibleFrom), static_cast<int>(chem::kVisibleTo));
    if (slider_->value() != nm) slider_->setValue(nm);
    if (spin_->value() != nm) spin_->setValue(nm);
    showWavelength(nm);
}

void SpectrumWindow::showWavelength(int nm) {
    bar_->setWavelength(nm);
    band_->setText(qs(chem::bandOf(nm)));
    swatch_->setStyleSheet(QStringLiteral("QLabel { background: %1; border: 1px solid #264653; }")
                               .arg(colourOf(nm).name()));
    const chem::Photon p = chem::photon(nm);
    frequency_->setText(QStringLiteral("%1 THz").arg(qs(p.frequencyText)));
    electronvolts_->setText(QStringLiteral("%1 eV").arg(qs(p.electronvoltText)));
    kilojoules_->setText(QStringLiteral("%1 kJ/mol").arg(qs(p.kilojouleText)));
}

SeriesWindow::SeriesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Series"));
    setWindowTitle(QStringLiteral("Series Electroquímicas"));
    auto* title = new QLabel(QStringLiteral("Potenciales normales de reducción"));
    title->setStyleSheet(QStringLiteral("QLabel { font-size: 13pt; font-weight: bold; color: #1d3557; }"));
    auto* conditions = new QLabel(QStringLiteral(
        "E° en voltios a 25 °C, disoluciones 1 M y gases a 1 atm, frente al electrodo normal de "
        "hidrógeno. Arriba el oxidante más fuerte; abajo el reductor más fuerte."));
    conditions->setWordWrap(true);

    const auto series = chem::reductionPotentials();
    auto* table = new QTableWidget(static_cast<int>(series.size()), 3);
    table->setObjectName(QStringLiteral("serie"));
    setAccessibleTexts(table, QStringLiteral("Potenciales normales de reducción"));
    table->setHorizontalHeaderLabels({QStringLiteral("Par"), QStringLiteral("Semirreacción de reducción"),
                                      QStringLiteral("E° (V)")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    int r = 0;
    for (const chem::HalfReaction& h : series) {
        auto* potential = new QTableWidgetItem(QString::fromStdString(chem::potentialText(h.volts)));
        potential->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Red for the oxidants above hydrogen, blue for the reductants below it.
        potential->setForeground(h.volts > 0 ? QColor(0xb0, 0x20, 0x20)
                                 : h.volts < 0 ? QColor(0x1d, 0x4e, 0x89)
                                               : QColor(Qt::black));
        table->setItem(r, 0, new QTableWidgetItem(qs(h.couple)));
        table->setItem(r, 1, new QTableWidgetItem(qs(h.reaction)));
        table->setItem(r, 2, potential);
        ++r;
    }
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    auto* strongest = new QLabel(QStringLiteral("▲ Oxidante más fuerte"));
    auto* weakest = new QLabel(QStringLiteral("▼ Reductor más fuerte"));
    strongest->setStyleSheet(QStringLiteral("QLabel { color: #b02020; font-weight: bold; }"));
    weakest->setStyleSheet(QStringLiteral("QLabel { color: #1d4e89; font-weight: bold; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(title);
    layout->addWidget(conditions);
    layout->addWidget(strongest);
    layout->addWidget(table, 1);
    layout->addWidget(weakest);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    resize(em * 46, em * 48);
}

}  // namespace numeralia::app

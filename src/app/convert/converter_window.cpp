#include "app/convert/converter_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/shell/about_logo.h"
#include "app/shell/accessibility.h"
#include "app/shell/context_menu.h"
#include "app/shell/svg_picture.h"
#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

constexpr int kColumns = 5;
constexpr int kRows = 7;

// Button colours: unselected &HC0E0FF and selected &HFFFF00 (blue-green-red order).
const char* const kStyle = R"(
QPushButton[unit="true"] {
    background-color: #ffe0c0; color: #1a1a1a; border: 1px solid #c9a27e;
    border-radius: 3px; padding: 3px 6px; text-align: left;
}
QPushButton[unit="true"][selected="true"] { background-color: #00ffff; border-color: #1d7f8c; }
QPushButton[unit="true"]:disabled { background-color: #fbf1e6; border-color: #eadbcb; }
QPushButton[unit="true"]:hover:!disabled { border-color: #2a6f97; }
QPushButton[unit="true"]:focus { border: 2px solid #2a6f97; padding: 2px 5px; outline: none; }
QLineEdit[display="true"] {
    background: white; color: #102a43; border: 1px solid #8aa1b4; border-radius: 2px;
    padding: 2px 4px;
}
QLineEdit[display="true"]:focus { border: 2px solid #2a6f97; padding: 1px 3px; }
QLineEdit#magnitud { font-weight: bold; color: #1d3557; }
QLineEdit#factor { font-weight: bold; }
QLabel#igual, QLabel#uno { font-weight: bold; font-size: 13pt; color: #1d3557; }
QLabel#leyenda { color: #264653; }
)";

const char* const kPrefixes[] = {
    "exa      E    (1e+18)",  "peta     P    (1e+15)", "tera      T    (1e+12)",
    "giga     G    (1e+9)",   "mega   M    (1e+6)",    "kilo       k    (1e+3)",
    "hecto   h     (1e+2)",   "deca    da   (1e+1)",    "deci      d     (1e-1)",
    "centi     c     (1e-2)", "mili        m    (1e-3)", "micro     µ    (1e-6) ",
    "nano     n    (1e-9)",   "pico      p    (1e-12)", "femto    f     (1e-15)",
    "atto      a     (1e-18)",
};

}  // namespace

ConverterWindow::ConverterWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), model_(context.state) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Converter"));
    setWindowTitle(QStringLiteral("Conversiones Numéricas de Magnitudes Físicas"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/converter.svg")));
    setStyleSheet(QString::fromUtf8(kStyle));
    buildMenus();

    SvgPicture* logo = aboutLogo(context_.windows, QStringLiteral("logo"), QSize(44, 44));
    magnitude_ = display("magnitud", nullptr);
    dimension_ = display("dimension", "Análisis Dimensional");
    dimension_->setAlignment(Qt::AlignCenter);
    sound_ = new SvgPicture(QStringLiteral(":/pictures/sound_on.svg"), QSize(28, 28));
    sound_->setObjectName(QStringLiteral("sonido"));
    sound_->setToolTip(QStringLiteral("Sonidos activados"));

    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    magnitude_->setMinimumWidth(em * 18);
    dimension_->setMinimumWidth(em * 11);
    auto* head = new QHBoxLayout;
    head->setSpacing(10);
    head->addWidget(logo);
    auto* magnitudeCaption = new QLabel(QStringLiteral("Magnitud:"));
    magnitudeCaption->setBuddy(magnitude_);  // names the display for screen readers
    head->addWidget(magnitudeCaption);
    head->addWidget(magnitude_, 2);
    head->addSpacing(em);
    head->addWidget(new QLabel(QStringLiteral("Dimensión:")));
    head->addWidget(dimension_, 1);
    head->addStretch(1);
    head->addWidget(sound_);

    auto* legend = new QLabel(QStringLiteral("¤   Unidad del S.I."));
    legend->setObjectName(QStringLiteral("leyenda"));

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(12, 10, 12, 10);
    page->setSpacing(10);
    page->addLayout(head);
    page->addWidget(buildUnitButtons());
    page->addWidget(buildFactorLine());
    page->addWidget(legend);
    setCentralWidget(central);
    setTabOrder(first_, factor_);  // the factor line reads: first unit, factor, second unit
    units_[0]->setFocus();         // the logo comes before it in the Tab order

    sound_->setVisible(model_.soundPictureVisible());
    refresh();
}

QLineEdit* ConverterWindow::display(const char* name, const char* tip) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::TabFocus);
    box->setProperty("display", true);
    setContextEntries(box, {{QStringLiteral("Copiar"), [box] { copyToClipboard(box->text()); }}});
    if (tip != nullptr) box->setToolTip(QString::fromUtf8(tip));
    return box;
}

void ConverterWindow::buildMenus() {
    QMenu* magnitudes = menuBar()->addMenu(QStringLiteral("&Magnitud"));
    QMenu* group = nullptr;
    std::string_view groupName;
    for (const convert::Magnitude* magnitude : convert::magnitudes()) {
        QMenu* target = magnitudes;
        if (!magnitude->menuGroup.empty()) {
            if (group == nullptr || groupName != magnitude->menuGroup) {
                group = magnitudes->addMenu(qs(magnitude->menuGroup));
                groupName = magnitude->menuGroup;
            }
            target = group;
        } else {
            group = nullptr;
            groupName = {};
        }
        QAction* entry = target->addAction(qs(magnitude->menuEntry));
        connect(entry, &QAction::triggered, this, [this, magnitude] {
            model_.loadMagnitude(*magnitude);
            refresh();
        });
    }

    QMenu* prefixes = menuBar()->addMenu(QStringLiteral("&Prefijos"));
    for (const char* prefix : kPrefixes) prefixes->addAction(QString::fromUtf8(prefix));

    QAction* help = menuBar()->addAction(QStringLiteral("A&yuda"));
    connect(help, &QAction::triggered, this,
            [this] { context_.windows.show(WindowId::ConverterHelp); });
    QAction* about = menuBar()->addAction(QStringLiteral("A&cerca de..."));
    connect(about, &QAction::triggered, this, [this] { context_.windows.show(WindowId::About); });
}

QWidget* ConverterWindow::buildUnitButtons() {
    // The width that holds the longest unit name of any magnitude.
    int widest = 0;
    for (const convert::Magnitude* magnitude : convert::magnitudes()) {
        for (const convert::Unit& unit : magnitude->units) {
            widest = std::max(widest, fontMetrics().horizontalAdvance(qs(unit.name)));
        }
    }
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    for (int i = 0; i < convert::kUnitButtonCount; ++i) {
        auto* button = new QPushButton;
        button->setObjectName(QStringLiteral("unidad%1").arg(i));
        button->setProperty("unit", true);
        button->setAutoDefault(true);  // Enter presses the unit that has the focus
        button->setMinimumWidth(widest + 18);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QPushButton::clicked, this, [this, i] {
            model_.clickUnit(i);
            refresh();
        });
        // Filled column by column, so that each table reads down its columns in order.
        grid->addWidget(button, i % kRows, i / kRows);
        units_[i] = button;
    }
    static_assert(kColumns * kRows == convert::kUnitButtonCount);
    return box;
}

QWidget* ConverterWindow::buildFactorLine() {
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    first_ = display("primeraUnidad", nullptr);
    second_ = display("segundaUnidad", nullptr);
    factor_ = display("factor", "Factor de Conversión");
    factor_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    first_->setMinimumWidth(em * 15);
    second_->setMinimumWidth(em * 15);
    factor_->setMinimumWidth(em * 12);
    setAccessibleTexts(first_, QStringLiteral("Primera unidad"));
    setAccessibleTexts(second_, QStringLiteral("Segunda unidad"));

    auto* one = new QLabel(QStringLiteral("1"));
    one->setObjectName(QStringLiteral("uno"));
    auto* equals = new QLabel(QStringLiteral("="));
    equals->setObjectName(QStringLiteral("igual"));
    auto* caption = new QLabel(QStringLiteral("Factor de Conversión"));
    caption->setAlignment(Qt::AlignCenter);

    auto* exp = new QPushButton(QStringLiteral("EXP"));
    exp->setObjectName(QStringLiteral("exp"));
    exp->setToolTip(QStringLiteral("Pasa el Resultado a Notación Exponencial"));
    exp->setAutoDefault(true);
    connect(exp, &QPushButton::clicked, this, [this] {
        model_.showExponential();
        refresh();
    });

    auto* copy = new QLabel(QStringLiteral("Copiar a >>"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->addWidget(caption, 0, 3);
    grid->addWidget(one, 1, 0);
    grid->addWidget(first_, 1, 1);
    grid->addWidget(equals, 1, 2);
    grid->addWidget(factor_, 1, 3);
    grid->addWidget(second_, 1, 4);
    grid->addWidget(exp, 1, 5);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(4, 3);

    auto* transit = new QHBoxLayout;
    transit->setSpacing(6);
    transit->addWidget(copy);
    for (int memory = 1; memory <= 3; ++memory) {
        auto* key = new QPushButton(QStringLiteral("R%1").arg(memory));
        key->setObjectName(QStringLiteral("r%1").arg(memory));
        key->setToolTip(
            QStringLiteral("Copia el factor de conversión a la Memoria de Tránsito R%1").arg(memory));
        key->setAutoDefault(true);
        key->setFixedWidth(em * 3);
        connect(key, &QPushButton::clicked, this, [this, memory] {
            model_.copyToTransit(memory);
            refresh();
        });
        transit->addWidget(key);
    }
    grid->addLayout(transit, 2, 3, 1, 3, Qt::AlignRight);

    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(grid);
    return box;
}

void ConverterWindow::refresh() {
    magnitude_->setText(QString::fromStdString(model_.magnitudeName()));
    dimension_->setText(QString::fromStdString(model_.dimension()));
    first_->setText(QString::fromStdString(model_.firstUnitName()));
    second_->setText(QString::fromStdString(model_.secondUnitName()));
    factor_->setText(QString::fromStdString(model_.factorText()));
    for (int i = 0; i < convert::kUnitButtonCount; ++i) {
        QPushButton* button = units_[i];
        button->setText(QString::fromStdString(model_.unitName(i)));
        button->setEnabled(model_.isActive(i));
        // An empty button has no caption to be read: it says that it is empty.
        setAccessibleTexts(button, button->text().isEmpty() ? QStringLiteral("Unidad vacía") : QString());
        if (button->property("selected").toBool() != model_.isSelected(i)) {
            button->setProperty("selected", model_.isSelected(i));
            button->style()->unpolish(button);
            button->style()->polish(button);
        }
    }
}

void ConverterWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        sound_->setVisible(model_.soundPictureVisible());
    }
    QMainWindow::changeEvent(event);
}

}  // namespace numeralia::app

#include "app/chem/periodic_window.h"

#include <QActionGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/chem/chemistry_tables.h"
#include "app/chem/crystal_drawing.h"
#include "app/chem/element_grid.h"
#include "app/chem/element_printout.h"
#include "app/chem/element_sheet_view.h"
#include "app/chem/molecular_weight_panel.h"
#include "app/shell/about_logo.h"
#include "app/shell/printing.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_rules.h"

namespace numeralia::app {

namespace {

const char* const kStyle = R"(
QLineEdit[sheet="true"] {
    background: white; color: #102a43; border: 1px solid #8aa1b4; border-radius: 2px;
    padding: 1px 4px;
}
QLineEdit#simbolos { border: 2px solid #8aa1b4; border-radius: 4px; }
QLabel[caption="true"] { color: #1b2733; }
QLabel[unit="true"] { color: #2a6f97; }
QLabel[mark="true"] { color: #6b7785; }
QGroupBox { font-weight: bold; color: #1d3557; }
QWidget#ficha { background: #f4f7fa; border: 1px solid #c8d3de; border-radius: 6px; }
QWidget#ficha QLabel { background: transparent; }
QLabel#pista { color: #52606d; }
)";

}  // namespace

PeriodicWindow::PeriodicWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), model_(context.state) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Periodic"));
    setWindowTitle(QStringLiteral("Tabla Periodica"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/periodic_table.svg")));
    setStyleSheet(QString::fromUtf8(kStyle));
    clock_.start();

    grid_ = new ElementGrid;
    card_ = new IdentityCard;
    grid_->setCentrePiece(card_);
    connect(grid_, &ElementGrid::elementClicked, this, &PeriodicWindow::clickElement);

    sheet_ = new ElementSheetView;
    connect(sheet_->crystal(), &SheetPicture::clicked, this, [this] {
        model_.clickCrystalPicture();
        refresh();
    });
    connect(sheet_->swatch(), &SheetPicture::clicked, this, [this] {
        model_.clickSwatch();
        refresh();
    });
    auto* sheetBox = new QGroupBox(QStringLiteral("Propiedades del elemento"));
    auto* sheetLayout = new QVBoxLayout(sheetBox);
    sheetLayout->addWidget(sheet_);

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(12, 8, 12, 8);
    page->setSpacing(8);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(grid_);
    top->addStretch(1);
    page->addLayout(top);
    auto* legend = new QHBoxLayout;
    legend->addStretch(1);
    legend->addWidget(makeElementLegend(fontMetrics().height()));
    legend->addStretch(1);
    page->addLayout(legend);
    page->addWidget(sheetBox);
    about_ = buildAboutStrip();
    page->addWidget(about_);
    page_ = page;
    setCentralWidget(central);

    buildMenus();
    soundAction_->setVisible(model_.soundPictureVisible());
    refresh();
}

void PeriodicWindow::buildMenus() {
    QMenu* energy = menuBar()->addMenu(QStringLiteral("&Energía"));
    auto* units = new QActionGroup(this);
    calories_ = energy->addAction(QStringLiteral("Calorías"));
    joules_ = energy->addAction(QStringLiteral("Julios"));
    for (QAction* unit : {calories_, joules_}) {
        unit->setCheckable(true);
        units->addAction(unit);
    }
    connect(calories_, &QAction::triggered, this, [this] {
        model_.chooseCalories();
        refresh();
    });
    connect(joules_, &QAction::triggered, this, [this] {
        model_.chooseJoules();
        refresh();
    });

    // The chemistry tools and tables.
    QMenu* calculation = menuBar()->addMenu(QStringLiteral("Cálculo &PM"));
    QAction* start = calculation->addAction(QStringLiteral("Cálculo"));
    connect(start, &QAction::triggered, this, [this] {
        model_.startCalculator();
        refresh();
    });
    QAction* ionic = menuBar()->addAction(QStringLiteral("Ca&racter Iónico"));
    ionic->setEnabled(context_.windows.isRegistered(WindowId::Ionic));
    connect(ionic, &QAction::triggered, this, [this] { context_.windows.show(WindowId::Ionic); });
    QMenu* tables = menuBar()->addMenu(QStringLiteral("&Tablas"));
    connect(tables->addAction(QStringLiteral("Espectro de la Luz")), &QAction::triggered, this,
            [this] { showOwnWindow(spectrum_); });
    connect(tables->addAction(QStringLiteral("Series Electroquímicas")), &QAction::triggered,
            this, [this] { showOwnWindow(series_); });
    QMenu* print = menuBar()->addMenu(QStringLiteral("&Imprimir"));
    connect(print->addAction(QStringLiteral("Elemento")), &QAction::triggered, this,
            [this] { printElement(); });

    QAction* notes = menuBar()->addAction(QStringLiteral("&Notas"));
    connect(notes, &QAction::triggered, this, [this] { context_.windows.show(WindowId::Notes); });
    QAction* help = menuBar()->addAction(QStringLiteral("Ayuda"));
    connect(help, &QAction::triggered, this,
            [this] { context_.windows.show(WindowId::PeriodicHelp); });
    QAction* about = menuBar()->addAction(QStringLiteral("A&cerca de..."));
    connect(about, &QAction::triggered, this, [this] { context_.windows.show(WindowId::About); });

    QToolBar* tools = addToolBar(QStringLiteral("Herramientas"));
    tools->setMovable(false);
    tools->setIconSize(QSize(22, 22));
    QAction* printIcon = tools->addAction(QIcon(QStringLiteral(":/pictures/bank-print.svg")),
                                          QStringLiteral("Imprimir la ventana"));
    printIcon->setObjectName(QStringLiteral("imprimirVentana"));
    connect(printIcon, &QAction::triggered, this, [this] { printWindow(); });
    QAction* helpIcon =
        tools->addAction(QIcon(QStringLiteral(":/pictures/bank-help.svg")), QStringLiteral("Ayuda"));
    connect(helpIcon, &QAction::triggered, help, &QAction::trigger);
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tools->addWidget(spacer);
    auto* sound = new SvgPicture(QStringLiteral(":/pictures/sound_on.svg"), QSize(24, 24));
    sound->setObjectName(QStringLiteral("sonido"));
    sound->setToolTip(QStringLiteral("Sonidos activados"));
    // The toolbar shows and hides its widgets through their actions.
    soundAction_ = tools->addWidget(sound);
}

QWidget* PeriodicWindow::buildAboutStrip() {
    auto* strip = new QWidget;
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    SvgPicture* logo = aboutLogo(context_.windows, QStringLiteral("acercaDe"), QSize(40, 40));
    auto* hint = new QLabel(QStringLiteral(
        "Pulse un elemento para ver su ficha. Con el teclado: las flechas y Intro, o escriba su "
        "símbolo o el principio de su nombre (Fe, hierro, iron)."));
    hint->setObjectName(QStringLiteral("pista"));
    hint->setWordWrap(true);
    row->addWidget(logo);
    row->addWidget(hint, 1);
    return strip;
}

void PeriodicWindow::clickElement(int z) {
    model_.clickElement(z);
    refresh();
}

void PeriodicWindow::refresh() {
    card_->showSheet(model_);
    sheet_->showSheet(model_);
    grid_->setShownElement(model_.shownElement());
    (model_.joules() ? joules_ : calories_)->setChecked(true);
    // The calculator takes the place of the About icon while it is active; it is built the
    // first time it is started, so that the window opens sooner.
    const bool active = model_.calculator().active();
    if (active && calculator_ == nullptr) {
        calculator_ = new MolecularWeightPanel(model_, [this] { refresh(); });
        page_->addWidget(calculator_);
    }
    about_->setVisible(!active);
    if (calculator_ != nullptr) {
        calculator_->setVisible(active);
        calculator_->refresh();
    }
}

template <typename Window>
void PeriodicWindow::showOwnWindow(QPointer<Window>& window) {
    // Companion windows of this one: made on first use, closed with it.
    if (window == nullptr) {
        window = new Window(this);
        prepareWindow(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

QString PeriodicWindow::printElement() { return printElementSheet(this, model_); }

QString PeriodicWindow::printWindow() {
    return printImage(this, grab().toImage(), QStringLiteral("Tabla Periódica"));
}

// While the calculator is active the digit keys and "=" of the keyboard press its keys.
bool PeriodicWindow::typeIntoCalculator(QKeyEvent* event) {
    if (!model_.calculator().active() || event->text().size() != 1) return false;
    const QChar c = event->text().at(0);
    if (c.isDigit()) model_.pressCalculatorDigit(c.digitValue());
    else if (c == QLatin1Char('=')) model_.pressCalculatorEquals();
    else return false;
    refresh();
    return true;
}

void PeriodicWindow::keyPressEvent(QKeyEvent* event) {
    if (typeIntoCalculator(event)) return;
    const QString typed = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && typed.size() == 1 && typed.at(0).isLetter()) {
        const int z = typeAhead_.type(typed.toStdString(), clock_.elapsed());
        if (z != 0) {
            grid_->focusElement(z);
            // While the calculator adds every element shown, typing only chooses the key;
            // Enter or Space adds it.
            if (!model_.calculator().active()) clickElement(z);
        }
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void PeriodicWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The keyboard starts on hydrogen, so that the arrows move at once.
    if (!focusedOnce_) {
        focusedOnce_ = true;
        grid_->focusElement(1);
    }
}

void PeriodicWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        soundAction_->setVisible(model_.soundPictureVisible());
    }
    QMainWindow::changeEvent(event);
}

}  // namespace numeralia::app

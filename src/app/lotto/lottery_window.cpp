#include "app/lotto/lottery_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <climits>

#include "app/lotto/lottery_grid.h"
#include "app/lotto/lottery_printout.h"
#include "app/shell/about_logo.h"
#include "app/shell/qt_text.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_id.h"

namespace numeralia::app {

namespace {

using lotto::LottoModel;

const char* const kStyle = R"(
QPushButton[sizeKey="true"] {
    background-color: #fff3d6; color: #1d3557; border: 1px solid #c9a227; border-radius: 6px;
    font-weight: bold; font-size: 13pt; padding: 4px;
}
QPushButton[sizeKey="true"]:hover:!disabled { background-color: #ffe8ad; }
QPushButton[sizeKey="true"]:pressed { background-color: #f4d27a; }
QPushButton[sizeKey="true"]:disabled { background-color: #f3f0ea; color: #b9b4a8; border-color: #ddd6c6; }
QPushButton#seleccionar { font-weight: bold; padding: 6px 10px; }
QLineEdit[probability="true"] {
    background: white; color: #102a43; border: 1px solid #8aa1b4; border-radius: 2px;
    padding: 2px 6px; font-weight: bold;
}
QLabel#informacion { color: #1d3557; font-weight: bold; }
QLabel#contador {
    background: white; color: #102a43; border: 1px solid #8aa1b4; border-radius: 2px;
    padding: 2px 8px; font-weight: bold;
}
QLabel[hits="true"] { font-weight: bold; color: #1d3557; }
QListWidget#apuestas { background: #fffdf7; border: 1px solid #c9a27e; }
)";

}  // namespace

LotteryWindow::LotteryWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      model_(context.state, context.sounds, context.dialogs, context.files) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Lottery"));
    setWindowTitle(QStringLiteral("Simulador Loto"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/lottery.svg")));
    setStyleSheet(QString::fromUtf8(kStyle));
    model_.setPacer(this);
    buildMenus();

    grid_ = new LotteryGrid;
    grid_->setObjectName(QStringLiteral("numeros"));
    connect(grid_, &LotteryGrid::cellClicked, this, [this](int index) {
        model_.clickCell(index);
        refresh();
    });
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("apuestas"));
    list_->setToolTip(QStringLiteral("Apuestas Seleccionadas"));
    list_->setUniformItemSizes(true);
    gridOrList_ = new QStackedWidget;
    gridOrList_->addWidget(grid_);
    gridOrList_->addWidget(list_);

    SvgPicture* logo = aboutLogo(context_.windows, QStringLiteral("logo"), QSize(40, 40));
    speaker_ = new SvgPicture(QStringLiteral(":/pictures/sound_on.svg"), QSize(28, 28));
    speaker_->setObjectName(QStringLiteral("altavoz"));
    speaker_->setToolTip(QStringLiteral("Sonidos del Programa Activados"));
    QSizePolicy keepSpace = speaker_->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    speaker_->setSizePolicy(keepSpace);

    auto* side = new QVBoxLayout;
    side->setSpacing(10);
    auto* head = new QHBoxLayout;
    head->addWidget(logo);
    head->addStretch(1);
    head->addWidget(speaker_);
    side->addLayout(head);
    side->addWidget(buildKeys());
    side->addWidget(buildProbabilities());
    side->addStretch(1);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    body->addWidget(gridOrList_);
    body->addLayout(side);

    information_ = new QLabel;
    information_->setObjectName(QStringLiteral("informacion"));
    information_->setToolTip(QStringLiteral("Información acerca de la Combinación Actual"));
    information_->setMinimumWidth(information_->fontMetrics().horizontalAdvance(
                                      QStringLiteral(" 1 Apuesta Múltiple equivalente a    462 Apuestas Sencillas")) +
                                  16);
    counter_ = new QLabel;
    counter_->setObjectName(QStringLiteral("contador"));
    counter_->setToolTip(QStringLiteral("Número de Apuestas Seleccionadas hasta el Momento"));
    counter_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    counter_->setMinimumWidth(counter_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 20);
    auto* counterCaption = new QLabel(QStringLiteral("Apuestas Seleccionadas:"));
    auto* foot = new QHBoxLayout;
    foot->addWidget(information_, 1);
    foot->addWidget(counterCaption);
    foot->addWidget(counter_);

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(12, 10, 12, 10);
    page->setSpacing(10);
    page->addLayout(body);
    page->addLayout(foot);
    page->addWidget(buildProgress());
    setCentralWidget(central);

    speaker_->setVisible(model_.soundPictureVisible());
    refresh();
}

void LotteryWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichero"));
    connect(file->addAction(QStringLiteral("Abrir Fichero  de Apuestas")), &QAction::triggered,
            this, [this] { act(&LottoModel::openBetsFile); });
    connect(file->addAction(QStringLiteral("Guardar Fichero de Apuestas")), &QAction::triggered,
            this, [this] { act(&LottoModel::saveBetsFile); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("Imprimir Apuestas Seleccionadas")),
            &QAction::triggered, this, &LotteryWindow::printBets);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    connect(edit->addAction(QStringLiteral("Mostrar Apuestas Seleccionadas")), &QAction::triggered,
            this, [this] { act(&LottoModel::showStoredBets); });
    connect(edit->addAction(QStringLiteral("Borrar Apuestas")), &QAction::triggered, this,
            [this] { act(&LottoModel::clearStoredBets); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Opciones"));
    randomAction_ = options->addAction(QStringLiteral("Apuestas al Azar"));
    manualAction_ = options->addAction(QStringLiteral("Apuestas Manuales"));
    for (QAction* mode : {randomAction_, manualAction_}) mode->setCheckable(true);
    connect(randomAction_, &QAction::triggered, this, [this] { act(&LottoModel::randomMode); });
    connect(manualAction_, &QAction::triggered, this, [this] { act(&LottoModel::manualMode); });
    connect(options->addAction(QStringLiteral("Modo Automático")), &QAction::triggered, this,
            &LotteryWindow::runAutomatic);
    options->addSeparator();
    connect(options->addAction(QStringLiteral("Sorteo Simulado")), &QAction::triggered, this,
            [this] { act(&LottoModel::simulatedDraw); });

    QAction* help = menuBar()->addAction(QStringLiteral("A&yuda"));
    connect(help, &QAction::triggered, this,
            [this] { context_.windows.show(WindowId::LotteryHelp); });
    QAction* about = menuBar()->addAction(QStringLiteral("A&cerca de..."));
    connect(about, &QAction::triggered, this, [this] { context_.windows.show(WindowId::About); });
}

QWidget* LotteryWindow::buildKeys() {
    auto* box = new QGroupBox(QStringLiteral("Sencilla / Múltiple"));
    auto* grid = new QGridLayout(box);
    grid->setSpacing(6);
    for (int n = lotto::kSmallestBet; n <= lotto::kLargestBet; ++n) {
        auto* key = new QPushButton;
        key->setObjectName(QStringLiteral("tecla_%1").arg(n));
        key->setProperty("sizeKey", true);
        key->setFocusPolicy(Qt::NoFocus);
        key->setAutoDefault(false);
        const int side = key->fontMetrics().height() * 3;
        key->setMinimumSize(side, side * 3 / 4);
        connect(key, &QPushButton::clicked, this, [this, n] {
            model_.sizeKey(n);
            refresh();
        });
        const int i = n - lotto::kSmallestBet;
        sizeKeys_[static_cast<std::size_t>(i)] = key;
        grid->addWidget(key, i / 3, i % 3);
    }
    store_ = new QPushButton;
    store_->setObjectName(QStringLiteral("seleccionar"));
    store_->setToolTip(QStringLiteral(
        "Selecciona la Combinación Actual / Cierra la Ventana de Apuestas Seleccionadas"));
    store_->setFocusPolicy(Qt::NoFocus);
    store_->setAutoDefault(false);
    store_->setMinimumWidth(store_->fontMetrics().horizontalAdvance(QStringLiteral("Cerrar Ventana")) + 40);
    connect(store_, &QPushButton::clicked, this, [this] { act(&LottoModel::store); });
    grid->addWidget(store_, 2, 0, 1, 3);
    return box;
}

QWidget* LotteryWindow::buildProbabilities() {
    auto* box = new QGroupBox(QStringLiteral("Probabilidad de aciertos"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(6);
    for (std::size_t row = 0; row < lotto::kHits.size(); ++row) {
        const int hits = lotto::kHits[row];
        auto* caption = new QLabel(QString::number(hits));
        caption->setProperty("hits", true);
        caption->setAlignment(Qt::AlignCenter);
        auto* field = new QLineEdit;
        field->setObjectName(QStringLiteral("probabilidad_%1").arg(hits));
        field->setProperty("probability", true);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setToolTip(QStringLiteral("Probabilidad de %1 Aciertos").arg(hits));
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0,000000 %")) + 28);
        probabilities_[row] = field;
        grid->addWidget(caption, static_cast<int>(row), 0);
        grid->addWidget(field, static_cast<int>(row), 1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* LotteryWindow::buildProgress() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progreso"));
    progress_->setToolTip(QStringLiteral("Apuestas del Modo Automático"));
    progress_->setTextVisible(true);
    progress_->setAlignment(Qt::AlignCenter);
    cancel_ = new QPushButton(QStringLiteral("Cancelar"));
    cancel_->setObjectName(QStringLiteral("cancelar"));
    cancel_->setToolTip(QStringLiteral("Detiene el Modo Automático; las apuestas ya seleccionadas se conservan"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { model_.cancelAutomatic(); });
    layout->addWidget(progress_, 1);
    layout->addWidget(cancel_);
    // The row keeps its place while hidden, so the window does not jump at a run.
    for (QWidget* w : {static_cast<QWidget*>(progress_), static_cast<QWidget*>(cancel_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    return row;
}

void LotteryWindow::act(void (LottoModel::*action)()) {
    (model_.*action)();
    refresh();
}

void LotteryWindow::runAutomatic() {
    sinceRepaint_.start();
    model_.automaticMode();
    refresh();
    if (closeAfterRun_) close();
}

bool LotteryWindow::proceed(const LottoModel& model) {
    // The bar shows from the first bet on. Repainting after every bet would slow the run
    // down; a few dozen times a second keeps the window painted, the progress bar moving and
    // "Cancelar" answering.
    if (model.progressValue() > 1 && sinceRepaint_.elapsed() < kRepaintInterval) return true;
    refresh();
    QApplication::processEvents(QEventLoop::AllEvents, kRepaintInterval / 2);
    sinceRepaint_.start();
    return !closeAfterRun_;
}

void LotteryWindow::refresh() {
    grid_->refresh(model_);
    const bool running = model_.running();
    for (int n = lotto::kSmallestBet; n <= lotto::kLargestBet; ++n) {
        QPushButton* key = sizeKeys_[static_cast<std::size_t>(n - lotto::kSmallestBet)];
        key->setText(qs(model_.sizeKeyCaption(n)));
        key->setToolTip(qs(model_.sizeKeyTip(n)));
        key->setEnabled(model_.sizeKeyEnabled(n) && !running);
    }
    store_->setText(qs(model_.storeCaption()));
    store_->setEnabled(!running);
    for (std::size_t row = 0; row < probabilities_.size(); ++row)
        probabilities_[row]->setText(qs(model_.probabilities()[row]));
    information_->setText(qs(model_.information()));
    counter_->setText(qs(model_.counter()));

    if (model_.listVisible() && listed_ != model_.storedBets()) {
        listed_ = model_.storedBets();
        list_->clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(listed_.size()));
        for (const std::string& bet : listed_) items.append(qs(bet));
        list_->addItems(items);
    }
    if (!model_.listVisible() && !listed_.empty()) {
        listed_.clear();
        list_->clear();
    }
    gridOrList_->setCurrentWidget(model_.listVisible() ? static_cast<QWidget*>(list_) : grid_);

    randomAction_->setChecked(!model_.isManual());
    manualAction_->setChecked(model_.isManual());
    menuBar()->setEnabled(!running);

    progress_->setVisible(running);
    cancel_->setVisible(running);
    if (running) {
        // A bar counts in int: a very long run is shown in millionths.
        const long long maximum = model_.progressMaximum();
        const long long value = model_.progressValue();
        const bool scaled = maximum > INT_MAX;
        progress_->setRange(0, scaled ? 1'000'000 : static_cast<int>(maximum));
        progress_->setValue(scaled ? static_cast<int>(static_cast<double>(value) / static_cast<double>(maximum) * 1e6)
                                   : static_cast<int>(value));
        progress_->setFormat(qs(model_.progressText()));
    }
}

void LotteryWindow::printBets() {
    if (model_.readyToPrint()) printLotteryBets(this, model_.storedBets());
}

void LotteryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        speaker_->setVisible(model_.soundPictureVisible());
    QMainWindow::changeEvent(event);
}

void LotteryWindow::closeEvent(QCloseEvent* event) {
    // A running automatic mode stops at the next bet, and the window closes then.
    if (model_.running()) {
        closeAfterRun_ = true;
        model_.cancelAutomatic();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

}  // namespace numeralia::app

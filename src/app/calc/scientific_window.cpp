#include "app/calc/scientific_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keyboard.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/calc_menus.h"
#include "app/calc/calc_status_bar.h"
#include "app/calc/calc_style.h"
#include "app/calc/currency_key_caption.h"
#include "app/calc/function_keypad.h"
#include "app/calc/history_printing.h"
#include "app/shell/svg_picture.h"
#include "core/calc/key_catalog.h"
#include "core/calc/scientific_keys.h"
#include "core/calc/vat_currency.h"

namespace numeralia::app {

using calc::KeyId;

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ScientificWindow::ScientificWindow(AppContext& context)
    : context_(context), model_(context.state, context.sounds, calc::CalculatorKind::Scientific) {
    setWindowTitle(QStringLiteral("Numeralia v2.5   (Científica)"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    setStyleSheet(QString::fromUtf8(kCalculatorStyle));

    displays_ = new CalcDisplays(this);
    auto* body = new QWidget(this);
    body->setObjectName("calculatorBody");
    keypad_ = new CalcKeypad(
        scientificLayout(), [this](KeyId id) { return model_.hasKey(id); }, body);
    connect(keypad_, &CalcKeypad::keyClicked, this, [this](KeyId id) { runKey(id); });
    showTransitPictures();
    prepareFunctionKeys(*keypad_);
    connect(displays_, &CalcDisplays::historyEntryChosen, this, [this](int index) {
        model_.selectHistoryEntry(static_cast<std::size_t>(index));
        refresh();
    });

    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(buildDisplayPanel());
    layout->addWidget(buildBody(), 1);
    setCentralWidget(body);

    buildScientificMenus(
        menuBar(), context_,
        {[this] {
             QStringList entries;
             for (const std::string& e : model_.state().history)
                 entries << QString::fromStdString(e);
             printHistory(this, entries);
         },
         [this] { switchToNormal(); }, [this] { context_.state.calculatorModel = "avanzada"; }});

    status_ = new CalcStatusBar(this);
    setStatusBar(status_);

    qApp->installEventFilter(this);
    refresh();
    refreshOnActivation();
    if (QPushButton* equals = keypad_->button(KeyId::equals)) equals->setFocus();
}

ScientificWindow::~ScientificWindow() { qApp->removeEventFilter(this); }

QWidget* ScientificWindow::buildDisplayPanel() {
    auto* panel = new QFrame(centralWidget() ? centralWidget() : this);
    panel->setObjectName("displayPanel");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    image1_ = new SvgPicture(QStringLiteral(":/pictures/logo.svg"), QSize(44, 44), panel);
    image1_->setObjectName("Image1");
    image1_->setToolTip(QStringLiteral("Acerca de..."));
    connect(image1_, &SvgPicture::clicked, this, [this] {
        if (context_.windows.isRegistered(WindowId::About)) context_.windows.show(WindowId::About);
    });

    displays_->numero->setMinimumHeight(48);
    grid->addWidget(image1_, 0, 0, Qt::AlignCenter);
    grid->addWidget(displays_->numero, 0, 1, 1, 10);
    grid->addWidget(displays_->image3, 0, 11, Qt::AlignCenter);
    grid->addWidget(displays_->result, 1, 1, 1, 10);

    // Label row: Función, decimals, angle, VAT, then SET and musica.
    auto* labels = new QHBoxLayout;
    labels->setSpacing(6);
    labels->addWidget(CalcDisplays::caption(QStringLiteral("Función"), panel));
    QFont bold = displays_->func->font();
    bold.setBold(true);
    // Wide enough for the longest label, the all-clear marker.
    displays_->func->setMinimumWidth(
        QFontMetrics(bold).horizontalAdvance(QString::fromUtf8(calc::kClearLabel)) + 24);
    labels->addWidget(displays_->func, 3);
    labels->addSpacing(6);
    labels->addWidget(CalcDisplays::caption(QStringLiteral("Dec."), panel));
    displays_->dcm->setFixedWidth(44);
    labels->addWidget(displays_->dcm);
    labels->addSpacing(6);
    displays_->angulo->setFixedWidth(52);
    labels->addWidget(displays_->angulo);
    labels->addSpacing(6);
    labels->addWidget(CalcDisplays::caption(QStringLiteral("IVA"), panel));
    displays_->ivas->setFixedWidth(70);
    labels->addWidget(displays_->ivas);
    labels->addStretch(1);
    for (KeyId id : {KeyId::setDecimals, KeyId::music}) {
        if (QPushButton* button = keypad_->button(id)) {
            button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            labels->addWidget(button);
        }
    }
    grid->addLayout(labels, 2, 1, 1, 11);

    // Key history row.
    auto* historyRow = new QHBoxLayout;
    historyRow->setSpacing(6);
    if (QPushButton* toggle = keypad_->button(KeyId::historyToggle)) {
        toggle->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        historyRow->addWidget(toggle);
    }
    historyRow->addWidget(displays_->history, 1);
    if (QPushButton* clear = keypad_->button(KeyId::historyClear)) {
        clear->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        historyRow->addWidget(clear);
    }
    grid->addLayout(historyRow, 3, 1, 1, 11);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* ScientificWindow::buildBody() {
    auto* body = new QWidget;
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    // The scientific keys fill a grid of 6 columns here.
    QFrame* functions = keypad_->panel(KeySection::Functions);
    functions->setMinimumWidth(6 * 62 + 16);
    row->addWidget(functions, 6);

    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    QGridLayout* memories = keypad_->grid(KeySection::Memories);
    for (int i = 0; i < 4; ++i) {
        displays_->memories[static_cast<std::size_t>(i)]->setMinimumWidth(120);
        memories->addWidget(displays_->memories[static_cast<std::size_t>(i)], i, 0);
    }
    memories->setColumnStretch(0, 2);
    for (int c = 1; c <= 3; ++c) memories->setColumnStretch(c, 1);
    right->addWidget(keypad_->panel(KeySection::Memories));
    right->addWidget(keypad_->panel(KeySection::Main), 1);
    right->addWidget(keypad_->panel(KeySection::Vat));
    row->addLayout(right, 5);
    return body;
}

void ScientificWindow::showTransitPictures() {
    const std::pair<KeyId, const char*> keys[] = {{KeyId::transit1, ":/pictures/key_r1.svg"},
                                                  {KeyId::transit2, ":/pictures/key_r2.svg"},
                                                  {KeyId::transit3, ":/pictures/key_r3.svg"}};
    for (const auto& [id, picture] : keys) {
        QPushButton* button = keypad_->button(id);
        if (!button) continue;
        button->setAccessibleName(button->text());
        button->setText(QString());
        button->setIcon(QIcon(QString::fromLatin1(picture)));
        button->setIconSize(QSize(48, 28));
    }
}

void ScientificWindow::runKey(KeyId id, bool typed) {
    if (typed) {
        model_.typeKey(id);
    } else {
        model_.press(id);
    }
    refresh();
    if (model_.focusToEquals()) {
        if (QPushButton* equals = keypad_->button(KeyId::equals)) equals->setFocus();
    }
}

void ScientificWindow::refresh() {
    displays_->refresh(model_.state());
    refreshFunctionKeys(*keypad_, model_);
}

void ScientificWindow::refreshOnActivation() {
    const SharedState& shared = context_.state;
    const std::string* labels[] = {&shared.transitLabel1, &shared.transitLabel2,
                                   &shared.transitLabel3};
    const KeyId transits[] = {KeyId::transit1, KeyId::transit2, KeyId::transit3};
    for (int i = 0; i < 3; ++i) {
        if (QPushButton* key = keypad_->button(transits[i])) {
            key->setToolTip(labels[i]->empty() ? qt(calc::keyInfo(transits[i]).toolTip)
                                               : QString::fromStdString(*labels[i]));
        }
    }
    const currency::KeyTexts texts = currency::keyTexts(shared);
    if (QPushButton* key = keypad_->button(KeyId::currencyTo2)) {
        setCurrencyCaption(key, QString::fromStdString(texts.caption1to2));
        key->setToolTip(QString::fromStdString(texts.tip1to2));
    }
    if (QPushButton* key = keypad_->button(KeyId::currencyTo1)) {
        setCurrencyCaption(key, QString::fromStdString(texts.caption2to1));
        key->setToolTip(QString::fromStdString(texts.tip2to1));
    }
    status_->setSoundOn(shared.soundOn == 1);
    status_->setCurrencyText(QString::fromStdString(texts.status));
    status_->tick();
}

void ScientificWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshOnActivation();
    QMainWindow::changeEvent(event);
}

bool ScientificWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const std::vector<KeyId> keys =
        keysPressed(keyStroke(*keyEvent), calc::keyboardTables(model_.kind()),
                    calc::isHexadecimalMode(model_.state()));
    if (keys.empty()) return false;
    for (KeyId id : keys) runKey(id, true);
    return true;
}

void ScientificWindow::switchToNormal() {
    AppContext& context = context_;
    context.state.calculatorModel = "normalita";
    close();
    context.windows.show(WindowId::Normal, true);
}

}  // namespace numeralia::app

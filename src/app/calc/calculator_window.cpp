#include "app/calc/calculator_window.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/calc/calc_displays.h"
#include "app/calc/calc_keyboard.h"
#include "app/calc/calc_keypad.h"
#include "app/calc/calc_status_bar.h"
#include "app/calc/calc_style.h"
#include "app/calc/currency_key_caption.h"
#include "app/calc/function_keypad.h"
#include "app/calc/history_printing.h"
#include "app/shell/about_logo.h"
#include "app/shell/accessibility.h"
#include "app/shell/context_menu.h"
#include "app/shell/qt_text.h"
#include "app/shell/svg_picture.h"
#include "core/calc/scientific_keys.h"
#include "core/calc/vat_currency.h"

namespace numeralia::app {

using calc::CalculatorKind;
using calc::KeyId;

namespace {

WindowId windowOf(CalculatorKind kind) {
    return kind == CalculatorKind::Normal ? WindowId::Normal : WindowId::Scientific;
}

}  // namespace

CalculatorWindow::CalculatorWindow(AppContext& context, CalculatorKind kind,
                                   std::span<const KeySlot> layout)
    : context_(context), model_(context.state, context.sounds, kind) {
    setWindowTitle(kind == CalculatorKind::Normal ? QStringLiteral("Numeralia v2.5   (Normal)")
                                                  : QStringLiteral("Numeralia v2.5   (Científica)"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    setStyleSheet(QString::fromUtf8(kCalculatorStyle));

    body_ = new QWidget(this);
    body_->setObjectName("calculatorBody");
    displays_ = new CalcDisplays(kind, body_);
    keypad_ = new CalcKeypad(layout, kind, body_);
    connect(keypad_, &CalcKeypad::keyClicked, this, [this](KeyId id) { runKey(id); });
    showTransitPictures();
    prepareFunctionKeys(*keypad_);
    connect(displays_, &CalcDisplays::historyEntryChosen, this, [this](int index) {
        model_.selectHistoryEntry(static_cast<std::size_t>(index));
        refresh();
    });
    offerClipboard();
}

void CalculatorWindow::offerClipboard() {
    const auto copyOf = [](QLineEdit* box) {
        return MenuEntry{QStringLiteral("Copiar"), [box] { copyToClipboard(box->text()); }};
    };
    setContextEntries(displays_->numero,
                      {copyOf(displays_->numero),
                       {QStringLiteral("Pegar"), [this] { pasteNumber(); }}});
    setContextEntries(displays_->result, {copyOf(displays_->result)});
    for (QLineEdit* box : displays_->memories) {
        if (box) setContextEntries(box, {copyOf(box)});
    }
    QComboBox* history = displays_->history;
    const std::vector<MenuEntry> historyEntries = {
        copyOf(history->lineEdit()),
        {QStringLiteral("Copiar todo"),
         [this] { copyToClipboard(historyTexts().join(QLatin1Char('\n'))); }}};
    setContextEntries(history, historyEntries);
    setContextEntries(history->lineEdit(), historyEntries);
}

void CalculatorWindow::pasteNumber() {
    model_.paste(clipboardText().toStdString());
    refresh();
    if (model_.focusToEquals()) {
        if (QPushButton* equals = keypad_->button(KeyId::equals)) equals->setFocus();
    }
}

CalculatorWindow::~CalculatorWindow() { qApp->removeEventFilter(this); }

QFrame* CalculatorWindow::buildDisplayPanel(QHBoxLayout* smallDisplays,
                                            std::initializer_list<KeyId> historyRowKeys) {
    auto* panel = new QFrame(body_);
    panel->setObjectName("displayPanel");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    SvgPicture* image1 = aboutLogo(context_.windows, QStringLiteral("Image1"), QSize(44, 44),
                                   QStringLiteral("Acerca de..."),
                                   QStringLiteral(":/pictures/logo.svg"), panel);

    displays_->numero->setMinimumHeight(48);
    grid->addWidget(image1, 0, 0, Qt::AlignCenter);
    grid->addWidget(displays_->numero, 0, 1, 1, 10);
    grid->addWidget(displays_->image3, 0, 11, Qt::AlignCenter);
    grid->addWidget(displays_->result, 1, 1, 1, 10);
    smallDisplays->setSpacing(6);
    grid->addLayout(smallDisplays, 2, 1, 1, 11);

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
    if (historyRowKeys.size() > 0) historyRow->addSpacing(6);
    addDisplayKeys(historyRow, historyRowKeys);
    grid->addLayout(historyRow, 3, 1, 1, 11);
    grid->setColumnStretch(1, 1);
    return panel;
}

void CalculatorWindow::addFunctionLabel(QHBoxLayout* row) {
    row->addWidget(CalcDisplays::caption(QStringLiteral("Función"), body_));
    QFont bold = displays_->func->font();
    bold.setBold(true);
    // Wide enough for the longest label, the all-clear marker.
    displays_->func->setMinimumWidth(
        QFontMetrics(bold).horizontalAdvance(QString::fromUtf8(calc::kClearLabel)) + 24);
    row->addWidget(displays_->func, 3);
}

void CalculatorWindow::addSmallDisplay(QHBoxLayout* row, const QString& caption, QLineEdit* box,
                                       int width) {
    row->addSpacing(6);
    if (!caption.isEmpty()) row->addWidget(CalcDisplays::caption(caption, body_));
    box->setFixedWidth(width);
    row->addWidget(box);
}

void CalculatorWindow::addDisplayKeys(QHBoxLayout* row, std::initializer_list<KeyId> ids) {
    for (KeyId id : ids) {
        if (QPushButton* button = keypad_->button(id)) {
            button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            row->addWidget(button);
        }
    }
}

void CalculatorWindow::placeMemoryDisplays() {
    QGridLayout* memories = keypad_->grid(KeySection::Memories);
    int row = 0;
    for (QLineEdit* box : displays_->memories) {
        if (!box) continue;
        box->setMinimumWidth(120);
        memories->addWidget(box, row++, 0);
    }
    memories->setColumnStretch(0, 2);
    for (int c = 1; c <= 3; ++c) memories->setColumnStretch(c, 1);
}

CalcMenuActions CalculatorWindow::menuActions() {
    CalcMenuActions actions;
    actions.printHistory = [this] { printKeyHistory(); };
    actions.modeNormal = [this] { chooseModel(CalculatorKind::Normal); };
    actions.modeScientific = [this] { chooseModel(CalculatorKind::Scientific); };
    return actions;
}

void CalculatorWindow::finish(QWidget* displayPanel, QWidget* body, QLayout* sideColumn) {
    auto* main = new QVBoxLayout;
    main->setSpacing(10);
    main->addWidget(displayPanel);
    main->addWidget(body, 1);
    auto* layout = new QHBoxLayout(body_);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(main, 1);
    if (sideColumn) layout->addLayout(sideColumn);
    setCentralWidget(body_);

    status_ = new CalcStatusBar(this);
    setStatusBar(status_);

    qApp->installEventFilter(this);
    refresh();
    refreshOnActivation();
    if (QPushButton* equals = keypad_->button(KeyId::equals)) equals->setFocus();
}

void CalculatorWindow::showTransitPictures() {
    const std::pair<KeyId, const char*> keys[] = {{KeyId::transit1, ":/pictures/key_r1.svg"},
                                                  {KeyId::transit2, ":/pictures/key_r2.svg"},
                                                  {KeyId::transit3, ":/pictures/key_r3.svg"}};
    for (const auto& [id, picture] : keys) {
        QPushButton* button = keypad_->button(id);
        if (!button) continue;
        button->setText(QString());
        button->setIcon(QIcon(QString::fromLatin1(picture)));
        button->setIconSize(QSize(48, 28));
    }
}

void CalculatorWindow::runKey(KeyId id, bool typed) {
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

void CalculatorWindow::refresh() {
    displays_->refresh(model_.state());
    refreshFunctionKeys(*keypad_, model_);
}

void CalculatorWindow::refreshOnActivation() {
    const SharedState& shared = context_.state;
    const CalculatorKind kind = model_.kind();
    const std::string* labels[] = {&shared.transitLabel1, &shared.transitLabel2,
                                   &shared.transitLabel3};
    const KeyId transits[] = {KeyId::transit1, KeyId::transit2, KeyId::transit3};
    for (int i = 0; i < 3; ++i) {
        if (QPushButton* key = keypad_->button(transits[i])) {
            key->setToolTip(labels[i]->empty() ? qs(calc::keyToolTip(kind, transits[i]))
                                               : QString::fromStdString(*labels[i]));
            // A picture key: its name says which memory, its tool tip what the memory holds.
            setAccessibleTexts(key, QStringLiteral("Memoria de tránsito R%1").arg(i + 1),
                               key->toolTip());
        }
    }
    const currency::KeyTexts texts = currency::keyTexts(shared);
    const bool namedTips = calc::currencyTipsNameCurrencies(kind);
    if (QPushButton* key = keypad_->button(KeyId::currencyTo2)) {
        setCurrencyCaption(key, QString::fromStdString(texts.caption1to2));
        if (namedTips) key->setToolTip(QString::fromStdString(texts.tip1to2));
    }
    if (QPushButton* key = keypad_->button(KeyId::currencyTo1)) {
        setCurrencyCaption(key, QString::fromStdString(texts.caption2to1));
        if (namedTips) key->setToolTip(QString::fromStdString(texts.tip2to1));
    }
    status_->setSoundOn(shared.soundOn == 1);
    status_->setCurrencyText(QString::fromStdString(texts.status));
    status_->tick();
}

void CalculatorWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshOnActivation();
    QMainWindow::changeEvent(event);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ContextMenu) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    if (type == QEvent::ContextMenu) {
        // The Menu key opens the main display's menu, wherever the focus is.
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        return menuEvent->reason() == QContextMenuEvent::Keyboard &&
               popUpContextEntries(displays_->numero);
    }
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    // Ctrl+C and Ctrl+V belong to the menus and the VAT keys: the clipboard keys are
    // Ctrl+Insert and Shift+Insert.
    if (keyEvent->key() == Qt::Key_Insert) {
        const Qt::KeyboardModifiers modifiers =
            keyEvent->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (modifiers == Qt::ControlModifier) {
            copyToClipboard(displays_->numero->text());
            return true;
        }
        if (modifiers == Qt::ShiftModifier) {
            pasteNumber();
            return true;
        }
    }
    const KeyStroke stroke = keyStroke(*keyEvent);
    const calc::KeyboardTables& tables = calc::keyboardTables(model_.kind());
    const std::vector<KeyId> keys =
        keysPressed(stroke, tables, calc::isHexadecimalMode(model_.state()));
    if (keys.empty()) {
        // F1 where no key of this model claims it opens the Help window.
        if (!calc::opensHelp(tables, stroke.keyCode, stroke.shiftState) ||
            !context_.windows.isRegistered(WindowId::Help))
            return false;
        context_.windows.show(WindowId::Help);
        return true;
    }
    for (KeyId id : keys) runKey(id, true);
    return true;
}

QStringList CalculatorWindow::historyTexts() const {
    QStringList entries;
    for (const std::string& e : model_.state().history) entries << QString::fromStdString(e);
    return entries;
}

void CalculatorWindow::printKeyHistory() { printHistory(this, historyTexts()); }

void CalculatorWindow::chooseModel(CalculatorKind chosen) {
    if (!calc::chooseModel(context_.state, model_.kind(), chosen)) return;
    // This window is gone once closed: keep what the switch needs.
    WindowRegistry& windows = context_.windows;
    const QPoint place = pos();
    close();
    if (QWidget* other = windows.create(windowOf(chosen))) {
        other->move(place);
        windows.show(windowOf(chosen), true);
    }
}

}  // namespace numeralia::app

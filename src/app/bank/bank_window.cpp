#include "app/bank/bank_window.h"

#include <QActionGroup>
#include <QLineEdit>
#include <algorithm>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/bank/bank_printout.h"
#include "app/bank/bank_table_model.h"
#include "app/shell/accessibility.h"
#include "app/shell/context_menu.h"
#include "app/shell/window_id.h"

namespace numeralia::app {

namespace {

// The fields show values (they cannot be typed into) and take the focus to be copied; the
// focus shows as a blue frame.
constexpr const char* kFieldStyle =
    "QLineEdit { background: white; border: 1px solid #9aa5b1; border-radius: 3px;"
    " padding: 2px 4px; color: #1b2733; }"
    "QLineEdit:disabled { background: #eceff2; color: #9aa5b1; }"
    "QLineEdit:focus { border: 2px solid #2a6f97; padding: 1px 3px; }";
constexpr const char* kEntryStyle =
    "QLineEdit { background: #eef4e8; border: 2px solid #6f8a5a; border-radius: 4px;"
    " padding: 4px 6px; color: #102010; font-size: 16pt; font-weight: bold; }"
    "QLineEdit:focus { border-color: #2a6f97; }";
constexpr const char* kResultStyle =
    "QLineEdit { background: #fffbea; border: 1px solid #c9a227; border-radius: 3px;"
    " padding: 2px 4px; color: #1b2733; font-weight: bold; }"
    "QLineEdit:focus { border: 2px solid #2a6f97; padding: 1px 3px; }";

QIcon picture(const QString& name) {
    return QIcon(QStringLiteral(":/pictures/bank-%1.svg").arg(name));
}

}  // namespace

BankWindow::BankWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      model_(context.state, context.sounds, context.dialogs) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("bank"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/bank.svg")));

    tableModel_ = new BankTableModel(model_, this);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("tabla"));
    table_->setModel(tableModel_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);  // Tab leaves the table for the next control
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->setMinimumWidth(table_->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 70);
    table_->installEventFilter(this);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    entry_ = field("numero");
    entry_->setStyleSheet(QString::fromLatin1(kEntryStyle));
    entry_->setToolTip(QStringLiteral("Número que se está escribiendo"));
    entry_->setMinimumWidth(0);
    // A long number is cut on the left, as on a calculator, instead of widening the window.
    entry_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    leftLayout->addWidget(entry_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildKeypad());
    middle->addWidget(buildInputs(), 1);
    leftLayout->addLayout(middle);
    leftLayout->addWidget(buildResults());
    leftLayout->addStretch(1);

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(left);
    layout->addWidget(table_, 1);
    setCentralWidget(central);

    buildMenus();
    soundIndicator_ = new QLabel;
    soundIndicator_->setPixmap(
        QIcon(QStringLiteral(":/pictures/sound_on.svg")).pixmap(QSize(18, 18)));
    soundIndicator_->setToolTip(QStringLiteral("Sonidos activados"));
    statusBar()->addPermanentWidget(soundIndicator_);
    currency_ = new QLabel;
    statusBar()->addWidget(currency_);
    soundIndicator_->setVisible(model_.soundIndicatorVisible());

    setContextEntries(
        table_, {{QStringLiteral("Copiar filas"), [this] { copySelectedRows(); },
                  [this] { return table_->selectionModel()->hasSelection(); }},
                 {QStringLiteral("Copiar tabla"), [this] { copyTable(); },
                  [this] { return tableModel_->rowCount() > 0; }}});
    setAccessibleTexts(table_, QStringLiteral("Tabla mes a mes"));
    orderTabs();
    entry_->setFocus();  // typing goes to the window's keypad from the start

    refresh();
    resize(sizeHint().expandedTo(QSize(980, 560)));
}

void BankWindow::orderTabs() {
    // Reading order: the entry field, the keypad row by row, "Calcular", each input key with its field and
    // the term's options, the results, the table.
    QList<QWidget*> order{entry_};
    for (const char* name : {"key_7", "key_8", "key_9", "key_4", "key_5", "key_6", "key_1",
                             "key_2", "key_3", "key_0", "key_punto", "key_C", "calcular"}) {
        order << findChild<QPushButton*>(QString::fromLatin1(name));
    }
    order << inputKeys_[0] << capital_ << inputKeys_[1] << rate_ << inputKeys_[2] << term_
          << years_ << months_ << inputKeys_[3] << contribution_ << inputKeys_[4] << increase_
          << results_[0] << results_[1] << results_[2] << table_;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void BankWindow::copySelectedRows() {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    copyToClipboard(QString::fromStdString(model_.rowsText(rows)));
}

void BankWindow::copyTable() { copyToClipboard(QString::fromStdString(model_.tableText())); }

QPushButton* BankWindow::key(const QString& text, const QString& pictureName, const QString& tip) {
    auto* button = new QPushButton(text);
    if (!pictureName.isEmpty()) {
        button->setIcon(picture(pictureName));
        button->setIconSize(QSize(20, 20));
    }
    button->setToolTip(tip);
    // Space presses the key that has the focus; Enter does not, so that a number typed
    // while a key has the focus is not followed by an unwanted press.
    button->setAutoDefault(false);
    return button;
}

QLineEdit* BankWindow::field(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setStyleSheet(QString::fromLatin1(kFieldStyle));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 16);
    setContextEntries(box, {{QStringLiteral("Copiar"), [box] { copyToClipboard(box->text()); }}});
    return box;
}

void BankWindow::act(void (bank::BankModel::*action)()) {
    (model_.*action)();
    refresh();
}

QWidget* BankWindow::buildKeypad() {
    auto* pad = new QWidget;
    auto* grid = new QGridLayout(pad);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    const int digits[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {0, -1, -2}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int d = digits[r][c];
            QPushButton* button = nullptr;
            if (d >= 0) {
                button = key(QString::number(d), {}, {});
                connect(button, &QPushButton::clicked, this, [this, d] {
                    model_.pressDigit(d);
                    refresh();
                });
            } else if (d == -1) {
                button =
                    key(QStringLiteral("."), {}, QStringLiteral("Separador decimal.  {.} o {,}"));
                connect(button, &QPushButton::clicked, this,
                        [this] { act(&bank::BankModel::pressPoint); });
            } else {
                button = key(QStringLiteral("C"), QStringLiteral("clear"),
                             QStringLiteral(
                                 "Borra el visor, los datos, los resultados y la tabla.  {C}"));
                button->setStyleSheet(
                    QStringLiteral("QPushButton { color: #b02020; font-weight: bold; }"));
                connect(button, &QPushButton::clicked, this,
                        [this] { act(&bank::BankModel::pressClear); });
            }
            button->setObjectName(QStringLiteral("key_%1").arg(
                button->text() == QStringLiteral(".") ? QStringLiteral("punto") : button->text()));
            const int side = button->fontMetrics().height() * 2 + 6;
            button->setMinimumSize(side + (d == -2 ? 16 : 0), side);
            grid->addWidget(button, r, c);
        }
    }
    auto* calculate = key(QStringLiteral("Calcular"), QStringLiteral("calculate"),
                          QStringLiteral("Calcula los resultados y la tabla.  {F12}"));
    calculate->setObjectName(QStringLiteral("calcular"));
    calculate->setMinimumHeight(calculate->fontMetrics().height() * 2 + 6);
    calculate->setStyleSheet(QStringLiteral("QPushButton { font-weight: bold; }"));
    connect(calculate, &QPushButton::clicked, this, [this] { act(&bank::BankModel::calculate); });
    grid->addWidget(calculate, 4, 0, 1, 3);
    return pad;
}

QWidget* BankWindow::buildInputs() {
    auto* box = new QGroupBox(QStringLiteral("Datos"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(6);
    struct Row {
        const char* text;
        const char* pictureName;
        const char* tip;
        const char* fieldName;
        void (bank::BankModel::*action)();
        QLineEdit** field;
        QPushButton** key;
    };
    const Row rows[] = {
        {"Capital  Base", "capital", "Asigna el número del visor al capital.  {F1}", "capital",
         &bank::BankModel::assignCapital, &capital_, nullptr},
        {"Interés (%)", "interest", "Asigna el número del visor al interés anual.  {F2}", "interes",
         &bank::BankModel::assignRate, &rate_, nullptr},
        {"Tiempo", "time", "Asigna el número del visor al plazo.  {F3}", "tiempo",
         &bank::BankModel::assignTerm, &term_, nullptr},
        {"Aport. Mensual", "contribution",
         "Asigna el número del visor a la aportación mensual.  {F4}", "aportemes",
         &bank::BankModel::assignContribution, &contribution_, &contributionKey_},
        {"Incr. Anual (%)", "increase",
         "Asigna el número del visor al incremento anual de la aportación.  {F5}", "incremes",
         &bank::BankModel::assignIncrease, &increase_, &increaseKey_},
    };
    int line = 0;
    for (const Row& row : rows) {
        QPushButton* button = key(QString::fromUtf8(row.text), QString::fromLatin1(row.pictureName),
                                  QString::fromUtf8(row.tip));
        button->setStyleSheet(
            QStringLiteral("QPushButton { text-align: left; padding: 3px 8px; }"));
        const auto action = row.action;
        connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
        *row.field = field(row.fieldName);
        setAccessibleTexts(*row.field, QString::fromUtf8(row.text).simplified());
        if (row.key != nullptr) *row.key = button;
        inputKeys_[static_cast<std::size_t>(&row - rows)] = button;
        grid->addWidget(button, line, 0);
        grid->addWidget(*row.field, line, 1);
        ++line;
        if (std::string_view(row.fieldName) == "tiempo") {
            years_ = new QRadioButton(QStringLiteral("Años"));
            months_ = new QRadioButton(QStringLiteral("Meses"));
            years_->setObjectName(QStringLiteral("anos"));
            months_->setObjectName(QStringLiteral("meses"));
            auto* group = new QButtonGroup(box);
            group->addButton(years_);
            group->addButton(months_);
            connect(years_, &QRadioButton::clicked, this,
                    [this] { act(&bank::BankModel::chooseYears); });
            connect(months_, &QRadioButton::clicked, this,
                    [this] { act(&bank::BankModel::chooseMonths); });
            auto* unit = new QHBoxLayout;
            unit->addStretch(1);
            unit->addWidget(years_);
            unit->addWidget(months_);
            grid->addLayout(unit, line, 1);
            ++line;
        }
    }
    return box;
}

QWidget* BankWindow::buildResults() {
    auto* box = new QGroupBox(QStringLiteral("Resultados"));
    auto* grid = new QGridLayout(box);
    const char* names[3] = {"mensual", "total", "intereses"};
    for (int i = 0; i < 3; ++i) {
        resultCaptions_[i] = new QLabel;
        resultCaptions_[i]->setObjectName(QStringLiteral("%1_titulo").arg(QLatin1String(names[i])));
        results_[i] = field(names[i]);
        resultCaptions_[i]->setBuddy(results_[i]);  // the caption names the field
        results_[i]->setStyleSheet(QString::fromLatin1(kResultStyle));
        results_[i]->setToolTip(QStringLiteral("Se guarda también en la memoria R%1").arg(i + 1));
        auto* memory = new QLabel(QStringLiteral("R%1").arg(i + 1));
        memory->setStyleSheet(QStringLiteral("QLabel { color: #6b7785; }"));
        grid->addWidget(resultCaptions_[i], i, 0);
        grid->addWidget(results_[i], i, 1);
        grid->addWidget(memory, i, 2);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

void BankWindow::buildMenus() {
    QMenu* operations = menuBar()->addMenu(QStringLiteral("Tipo &Operación"));
    auto* group = new QActionGroup(this);
    const struct {
        const char* text;
        void (bank::BankModel::*action)();
    } modes[3] = {{"Préstamos Bancarios", &bank::BankModel::loanMode},
                  {"Depósitos a Plazo Fijo", &bank::BankModel::depositMode},
                  {"Planes de Ahorro", &bank::BankModel::savingsMode}};
    for (int i = 0; i < 3; ++i) {
        QAction* item = operations->addAction(QString::fromUtf8(modes[i].text));
        item->setCheckable(true);
        group->addAction(item);
        const auto action = modes[i].action;
        connect(item, &QAction::triggered, this, [this, action] { act(action); });
        modeActions_[static_cast<std::size_t>(i)] = item;
    }

    QMenu* print = menuBar()->addMenu(QStringLiteral("&Imprimir"));
    connect(print->addAction(QStringLiteral("Resultados")), &QAction::triggered, this,
            [this] { printResults(false); });
    QAction* printAll =
        print->addAction(picture(QStringLiteral("print")), QStringLiteral("Resultados y Tablas"));
    connect(printAll, &QAction::triggered, this, [this] { printResults(true); });

    QAction* help = menuBar()->addAction(QStringLiteral("A&yuda"));
    connect(help, &QAction::triggered, this, [this] { context_.windows.show(WindowId::BankHelp); });
    QAction* about = menuBar()->addAction(QStringLiteral("A&cerca de..."));
    connect(about, &QAction::triggered, this, [this] { context_.windows.show(WindowId::About); });

    QToolBar* tools = addToolBar(QStringLiteral("Herramientas"));
    tools->setMovable(false);
    tools->setIconSize(QSize(22, 22));
    QAction* printIcon = tools->addAction(picture(QStringLiteral("print")),
                                          QStringLiteral("Imprimir resultados y tablas"));
    connect(printIcon, &QAction::triggered, this, [this] { printResults(true); });
    QAction* helpIcon = tools->addAction(picture(QStringLiteral("help")), QStringLiteral("Ayuda"));
    connect(helpIcon, &QAction::triggered, help, &QAction::trigger);
    QAction* aboutIcon =
        tools->addAction(picture(QStringLiteral("about")), QStringLiteral("Acerca de..."));
    connect(aboutIcon, &QAction::triggered, about, &QAction::trigger);
}

void BankWindow::refresh() {
    setWindowTitle(QString::fromStdString(model_.caption()));
    entry_->setText(QString::fromStdString(model_.entry()));
    capital_->setText(QString::fromStdString(model_.capital()));
    rate_->setText(QString::fromStdString(model_.rate()));
    term_->setText(QString::fromStdString(model_.term()));
    contribution_->setText(QString::fromStdString(model_.contribution()));
    increase_->setText(QString::fromStdString(model_.increase()));
    const bool savings = model_.savingsFieldsEnabled();
    for (QWidget* w : {static_cast<QWidget*>(contributionKey_), static_cast<QWidget*>(increaseKey_),
                       static_cast<QWidget*>(contribution_), static_cast<QWidget*>(increase_)}) {
        w->setEnabled(savings);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        resultCaptions_[i]->setText(QString::fromStdString(model_.resultCaptions()[i]));
        results_[i]->setText(QString::fromStdString(model_.results()[i]));
    }
    years_->setChecked(!model_.termInMonths());
    months_->setChecked(model_.termInMonths());
    modeActions_[0]->setChecked(model_.operation() == bank::Operation::Loan);
    modeActions_[1]->setChecked(model_.operation() == bank::Operation::Deposit);
    modeActions_[2]->setChecked(model_.operation() == bank::Operation::Savings);
    if (tableRevision_ != model_.tableRevision()) {
        tableRevision_ = model_.tableRevision();
        tableModel_->refresh();
    }
    const std::string& currency = context_.state.currencyName1;
    currency_->setText(
        currency.empty() ? QString()
                         : QStringLiteral("Importes en %1").arg(QString::fromStdString(currency)));
}

bool BankWindow::handleKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) ||
        (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ControlModifier)) {
        copySelectedRows();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int code = event->key();
    bool handled = false;
    if (code >= Qt::Key_F1 && code <= Qt::Key_F12) {
        handled = model_.pressFunctionKey(code - Qt::Key_F1 + 1);
    } else if (event->text().size() == 1 && event->text().at(0).unicode() < 128) {
        handled = model_.typeCharacter(event->text().at(0).toLatin1());
    }
    if (handled) refresh();
    return handled;
}

void BankWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event)) QMainWindow::keyPressEvent(event);
}

bool BankWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        handleKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void BankWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        soundIndicator_->setVisible(model_.soundIndicatorVisible());
        refresh();
    }
    QMainWindow::changeEvent(event);
}

void BankWindow::printResults(bool withTable) {
    if (!model_.hasResults()) {
        context_.dialogs.inform(bank::kMessageTitle,
                                "Todavía no hay resultados que imprimir.\n\nAsigne los datos y "
                                "pulse [Calcular] (F12) antes de imprimir.");
        return;
    }
    printBankResults(this, model_, withTable);
}

}  // namespace numeralia::app

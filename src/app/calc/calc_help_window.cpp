#include "app/calc/calc_help_window.h"

#include <algorithm>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/calc/calc_help_replica.h"
#include "app/calc/scientific_window.h"
#include "app/info/help_window.h"
#include "app/shell/qt_text.h"

namespace numeralia::app {

using calc::HelpElement;
using calc::HelpKind;

namespace {

const char* kindWord(HelpKind kind) {
    switch (kind) {
        case HelpKind::Key: return "tecla";
        case HelpKind::Display: return "pantalla";
        default: return "menú";
    }
}

constexpr int kFlashSteps = 6;  // three flashes: on, off, on, off, on, off
constexpr int kFlashStepMs = 170;
constexpr const char* kFlashStyle =
    "background-color: #ff7b00; color: white; border: 2px solid #a33f00; border-radius: 5px;";

}  // namespace

CalcHelpWindow::CalcHelpWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("CalcHelp");
    setWindowTitle(QStringLiteral("Ayuda Calculadora"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));

    scroll_ = new QScrollArea;
    scroll_->setObjectName("replicaArea");
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    replica_ = new CalcHelpReplica(context, scroll_);
    scroll_->setWidget(&replica_->window());
    connect(replica_, &CalcHelpReplica::clicked, this, &CalcHelpWindow::explain);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(scroll_);
    splitter->addWidget(buildTextPanel());
    splitter->setStretchFactor(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    flashTimer_.setInterval(kFlashStepMs);
    connect(&flashTimer_, &QTimer::timeout, this, &CalcHelpWindow::flashStep);

    // The whole drawing over a text box of about ten lines, as far as the screen allows; on
    // a small screen the text box keeps its few lines and the drawing scrolls.
    const QSize drawing = replica_->window().sizeHint();
    QWidget* textPanel = splitter->widget(1);
    const int panelHeight = textPanel->sizeHint().height();
    const int panelMinimum = textPanel->minimumSizeHint().height();
    QSize wanted(drawing.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4,
                 drawing.height() + panelHeight + splitter->handleWidth() + 4);
    if (const QScreen* screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 0.92);
    resize(wanted);
    const int top = std::min(drawing.height() + 4, wanted.height() - panelMinimum);
    splitter->setSizes({top, wanted.height() - top});
}

CalcHelpWindow::~CalcHelpWindow() { stopFlash(); }

QWidget* CalcHelpWindow::buildTextPanel() {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(6);

    auto* searchRow = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Buscar:"));
    search_ = new QLineEdit;
    search_->setObjectName("buscar");
    search_->setPlaceholderText(
        QStringLiteral("palabras de una tecla, pantalla o menú (CTRL + F)"));
    search_->setClearButtonEnabled(true);
    for (QToolButton* clear : search_->findChildren<QToolButton*>()) {
        clear->setToolTip(QStringLiteral("Vaciar la búsqueda  {ESC}"));
        clear->setAccessibleName(QStringLiteral("Vaciar la búsqueda"));
    }
    search_->setAccessibleName(QStringLiteral("Buscar en la ayuda"));
    label->setBuddy(search_);
    found_ = new QLabel;
    found_->setObjectName("encontrados");
    searchRow->addWidget(label);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(found_);
    column->addLayout(searchRow);

    results_ = new QListWidget;
    results_->setObjectName("resultados");
    results_->setAccessibleName(QStringLiteral("Elementos encontrados"));
    results_->hide();
    title_ = new QLabel;
    title_->setObjectName("elemento");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    text1_ = newHelpTextBox();
    text1_->setObjectName("Text1");
    text1_->setAccessibleName(QStringLiteral("Explicación"));
    text1_->setPlaceholderText(QStringLiteral(
        "Pulse cualquier tecla, pantalla u opción de menú de la calculadora para ver aquí su "
        "explicación."));
    const int line = text1_->fontMetrics().lineSpacing();
    text1_->setMinimumHeight(line * 5);

    auto* textColumn = new QWidget;
    auto* textLayout = new QVBoxLayout(textColumn);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(4);
    textLayout->addWidget(title_);
    textLayout->addWidget(text1_, 1);
    auto* row = new QSplitter(Qt::Horizontal);
    row->setChildrenCollapsible(false);
    row->addWidget(results_);
    row->addWidget(textColumn);
    row->setStretchFactor(1, 1);
    row->setSizes({search_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18, 1000});
    column->addWidget(row, 1);
    panel->setMinimumHeight(line * 8);

    connect(search_, &QLineEdit::textChanged, this, &CalcHelpWindow::findElements);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        chooseResult(results_->currentRow() >= 0 ? results_->currentRow() : 0);
    });
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { chooseResult(results_->row(item)); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseResult(results_->row(item)); });
    // Down from the field goes into the list; moving there shows each element in turn.
    search_->installEventFilter(this);
    connect(results_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (results_->hasFocus()) chooseResult(row);
    });
    return panel;
}

bool CalcHelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down && results_->isVisible() && results_->count() > 0) {
            results_->setFocus(Qt::OtherFocusReason);
            chooseResult(results_->currentRow());
            return true;
        }
        if (key == Qt::Key_Escape && !search_->text().isEmpty()) {
            search_->clear();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString CalcHelpWindow::text() const { return text1_->toPlainText(); }

void CalcHelpWindow::explain(const HelpElement& element) {
    text1_->clear();
    QString caption = qs(element.caption);
    if (element.kind == HelpKind::Key) {
        // The currency keys show the currency names.
        if (const auto* key = qobject_cast<QPushButton*>(replica_->widgetOf(element));
            key && !key->text().isEmpty())
            caption = key->text();
        title_->setText(QStringLiteral("Tecla  %1").arg(caption));
    } else if (element.kind == HelpKind::MenuEntry) {
        title_->setText(QStringLiteral("Menú  %1").arg(caption));
    } else {
        title_->setText(caption);
    }
    text1_->setHtml(helpParagraph(helpText(element).c_str()));
}

void CalcHelpWindow::findElements(const QString& query) {
    results_->clear();
    shownResults_ = calc::searchHelp(query.toStdString());
    for (const HelpElement& e : shownResults_) {
        results_->addItem(
            QStringLiteral("%1   (%2)").arg(qs(e.caption), QString::fromUtf8(kindWord(e.kind))));
    }
    const bool asked = !query.trimmed().isEmpty();
    results_->setVisible(asked);
    found_->setText(!asked ? QString()
                    : shownResults_.empty()
                        ? QStringLiteral("ninguno")
                    : shownResults_.size() == 1
                        ? QStringLiteral("1 encontrado")
                        : QStringLiteral("%1 encontrados").arg(shownResults_.size()));
    if (!shownResults_.empty()) results_->setCurrentRow(0);
}

void CalcHelpWindow::chooseResult(int row) {
    if (row < 0 || row >= static_cast<int>(shownResults_.size())) return;
    const HelpElement& element = shownResults_[static_cast<std::size_t>(row)];
    explain(element);
    flash(replica_->widgetOf(element));
}

void CalcHelpWindow::flash(QWidget* widget) {
    stopFlash();
    if (!widget) return;
    scroll_->ensureWidgetVisible(widget);
    flashing_ = widget;
    flashingStyle_ = widget->styleSheet();
    flashSteps_ = kFlashSteps;
    flashStep();  // the first flash at once
    flashTimer_.start();
}

void CalcHelpWindow::flashStep() {
    if (!flashing_ || flashSteps_ <= 0) {
        stopFlash();
        return;
    }
    // A widget's own style sheet wins over the calculator's, whatever the rules there.
    flashing_->setStyleSheet(flashSteps_-- % 2 == 0 ? QString::fromLatin1(kFlashStyle)
                                                    : flashingStyle_);
}

void CalcHelpWindow::stopFlash() {
    flashTimer_.stop();
    if (flashing_) flashing_->setStyleSheet(flashingStyle_);
    flashing_ = nullptr;
    flashSteps_ = 0;
}

}  // namespace numeralia::app

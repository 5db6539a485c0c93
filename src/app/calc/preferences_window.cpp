#include "app/calc/preferences_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

std::string std8(const QString& s) { return s.toStdString(); }

void showText(QLineEdit* box, const std::string& text) {
    const QString wanted = qs(text);
    if (box->text() == wanted) return;  // keeps the cursor where the user left it
    const QSignalBlocker quiet(box);
    box->setText(wanted);
}

}  // namespace

PreferencesWindow::PreferencesWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), model_(context.state) {
    setWindowTitle("Preferencias");

    auto* currencies = new QGroupBox("Cambio de moneda");
    auto* grid = new QGridLayout(currencies);
    grid->addWidget(new QLabel("Moneda 1"), 0, 0);
    grid->addWidget(new QLabel("Moneda 2"), 0, 2);
    text1_ = new QLineEdit;
    text1_->setObjectName("Text1");
    text1_->setToolTip("Nombre de la moneda 1");
    text2_ = new QLineEdit;
    text2_->setObjectName("Text2");
    text2_->setToolTip("Nombre de la moneda 2");
    grid->addWidget(text1_, 1, 0);
    grid->addWidget(text2_, 1, 2);

    label1_ = new QLabel;
    label1_->setObjectName("Label1");
    label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valor_ = new QLineEdit;
    valor_->setObjectName("valor");
    valor_->setAlignment(Qt::AlignRight);
    valor_->setToolTip("Unidades de la moneda 2 que vale una unidad de la moneda 1");
    label2_ = new QLabel;
    label2_->setObjectName("Label2");
    grid->addWidget(label1_, 2, 0);
    grid->addWidget(valor_, 2, 1);
    grid->addWidget(label2_, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(1, valor_->fontMetrics().horizontalAdvance("0000000000000"));

    check1_ = new QCheckBox("Activar Sonidos del Programa");
    check1_->setObjectName("Check1");

    image2_ = new QToolButton;
    image2_->setObjectName("Image2");
    image2_->setAutoRaise(true);
    image2_->setIcon(QIcon(":/pictures/preferences_coins.svg"));
    image2_->setIconSize(QSize(48, 48));
    image2_->setToolTip("Acerca de...");

    originales_ = new QPushButton("Originales");
    originales_->setObjectName("Command1");
    originales_->setToolTip("euro, pts, 166,386 y sonidos activados");
    guardar_ = new QPushButton("Guardar");
    guardar_->setObjectName("Command2");
    guardar_->setToolTip("Conservar los valores actuales");
    cancelar_ = new QPushButton("Cancelar");
    cancelar_->setObjectName("Command3");
    cancelar_->setToolTip("Deshacer los cambios y cerrar");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(image2_);
    buttons->addStretch(1);
    buttons->addWidget(originales_);
    buttons->addWidget(guardar_);
    buttons->addWidget(cancelar_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(currencies);
    layout->addWidget(check1_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* box : {text1_, text2_, valor_}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::returnPressed, this, [this, box] { leave(box); });
    }
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& s) {
        model_.editText1(std8(s));
        refresh();
    });
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString& s) {
        model_.editText2(std8(s));
        refresh();
    });
    connect(valor_, &QLineEdit::textEdited, this,
            [this](const QString& s) { model_.editValor(std8(s)); });
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) { model_.setSound(on); });
    connect(originales_, &QPushButton::clicked, this, [this] {
        model_.restoreOriginals();
        refresh();
    });
    connect(guardar_, &QPushButton::clicked, this, [this] {
        model_.save();
        refresh();
    });
    connect(cancelar_, &QPushButton::clicked, this, [this] {
        model_.cancel();
        cancelled_ = true;
        close();
    });
    connect(image2_, &QToolButton::clicked, this,
            [this] { context_.windows.show(WindowId::About); });
    image2_->setEnabled(context_.windows.isRegistered(WindowId::About));

    refresh();
}

bool PreferencesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) leave(watched);
    return QWidget::eventFilter(watched, event);
}

void PreferencesWindow::leave(QObject* box) {
    if (box == text1_) model_.leaveText1();
    else if (box == text2_) model_.leaveText2();
    else if (box == valor_) model_.leaveValor();
    else return;
    refresh();
}

void PreferencesWindow::closeEvent(QCloseEvent* event) {
    // Closed any other way than "Cancelar", the window keeps what was typed, a factor whose
    // box still has the focus included.
    if (!cancelled_) model_.leaveValor();
    QWidget::closeEvent(event);
}

void PreferencesWindow::refresh() {
    showText(text1_, model_.text1());
    showText(text2_, model_.text2());
    showText(valor_, model_.valor());
    label1_->setText(qs(model_.label1()));
    label2_->setText(qs(model_.label2()));
    const QSignalBlocker quiet(check1_);
    check1_->setChecked(model_.soundChecked());
}

}  // namespace numeralia::app

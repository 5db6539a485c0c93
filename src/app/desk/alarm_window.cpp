#include "app/desk/alarm_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "app/desk/alarm_time_dialog.h"
#include "app/desk/system_clock.h"
#include "app/shell/about_logo.h"
#include "app/shell/qt_text.h"
#include "app/shell/svg_picture.h"
#include "app/shell/window_rules.h"

namespace numeralia::app {

namespace {

const char* const kStyle = R"(
QLabel#caption { color: #1d3557; font-weight: bold; }
QLabel#lblTime {
    background: #1d3557; color: #f1f7fb; border-radius: 6px; padding: 6px 14px;
    font-size: 20pt; font-weight: bold;
}
QLabel#lblAlarma {
    background: #fff5f3; color: #c62828; border: 1px solid #e9b3ab; border-radius: 4px;
    padding: 4px 10px; font-size: 13pt; font-weight: bold;
}
QLabel#lblAlarma[blink="true"] { background: #c62828; color: #ffffff; border-color: #c62828; }
QPushButton#Command1 { padding: 5px 16px; font-weight: bold; }
)";

// Keeps a little past the whole second, so that a timer that fires a moment early still
// reads the new second.
constexpr int kTimerMarginMs = 3;

}  // namespace

AlarmWindow::AlarmWindow(AppContext& context, const desk::Clock* clock,
                         desk::AlarmTimeEditor* editor, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setObjectName(QStringLiteral("Alarm"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/alarm.svg")));
    setStyleSheet(QString::fromLatin1(kStyle));
    if (clock == nullptr) {
        ownClock_ = std::make_unique<SystemClock>();
        clock = ownClock_.get();
    }
    if (editor == nullptr) {
        ownEditor_ = std::make_unique<DialogTimeEditor>(this);
        editor = ownEditor_.get();
    }
    model_ = std::make_unique<desk::AlarmModel>(context.state, context.sounds, *clock, *editor,
                                                systemTimeFormats());

    SvgPicture* logo = aboutLogo(context_.windows, QStringLiteral("logo"), QSize(72, 72),
                                 QStringLiteral("Acerca de Numeralia"),
                                 QStringLiteral(":/pictures/alarm.svg"));

    auto* timeCaption = new QLabel(QStringLiteral("Hora Actual"));
    timeCaption->setObjectName(QStringLiteral("caption"));
    time_ = new QLabel;
    time_->setObjectName(QStringLiteral("lblTime"));
    time_->setAlignment(Qt::AlignCenter);
    auto* alarmCaption = new QLabel(QStringLiteral("Alarma Programada"));
    alarmCaption->setObjectName(QStringLiteral("caption"));
    alarm_ = new QLabel;
    alarm_->setObjectName(QStringLiteral("lblAlarma"));
    alarm_->setAlignment(Qt::AlignCenter);

    set_ = new QPushButton;
    set_->setObjectName(QStringLiteral("Command1"));
    set_->setIcon(QIcon(QStringLiteral(":/pictures/alarm-set.svg")));
    set_->setIconSize(QSize(22, 22));
    set_->setToolTip(QStringLiteral("Programa la hora de la alarma o la quita"));
    set_->setAutoDefault(false);
    connect(set_, &QPushButton::clicked, this, [this] {
        model_->pressSet();
        refresh();
    });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    grid->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(timeCaption, 0, 1);
    grid->addWidget(time_, 1, 1);
    grid->addWidget(alarmCaption, 2, 1);
    grid->addWidget(alarm_, 3, 1);
    grid->setRowMinimumHeight(2, alarmCaption->sizeHint().height() + 8);
    grid->setAlignment(alarmCaption, Qt::AlignBottom | Qt::AlignLeft);

    auto* keys = new QHBoxLayout;
    keys->addStretch(1);
    keys->addWidget(set_);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(18, 16, 18, 14);
    page->setSpacing(12);
    page->addLayout(grid);
    page->addLayout(keys);
    page->setSizeConstraint(QLayout::SetFixedSize);

    // The labels keep one width whatever they show: the widest texts they can hold.
    // (Measured once they are in the window, whose style sheet gives them their fonts.)
    time_->ensurePolished();
    alarm_->ensurePolished();
    const auto widest = [](QLabel* label, std::initializer_list<const char*> samples) {
        int width = 0;
        for (const char* sample : samples)
            width = std::max(width, label->fontMetrics().horizontalAdvance(QString::fromUtf8(sample)));
        return width;
    };
    time_->setMinimumWidth(widest(time_, {"00:00:00", "00:00:00 p. m."}) + 40);
    alarm_->setMinimumWidth(widest(alarm_, {"00:00 (00/00/0000)", "00:00 (pospuesta)", "00:00 (sonando)", "00:00 (mañana)"}) + 32);
    alarm_->setMinimumHeight(alarm_->fontMetrics().height() + 12);


    second_.setSingleShot(true);
    second_.setTimerType(Qt::PreciseTimer);
    connect(&second_, &QTimer::timeout, this, &AlarmWindow::onSecond);
    second_.start(model_->msUntilNextSecond() + kTimerMarginMs);
    refresh();
}

AlarmWindow::~AlarmWindow() {
    // The ringing message goes first, while the model its buttons act on still exists.
    if (ringBox_) {
        disconnect(ringBox_, nullptr, this, nullptr);
        delete ringBox_;
    }
}

void AlarmWindow::refresh() {
    setWindowTitle(qs(model_->caption()));
    set_->setText(qs(model_->keyCaption()));
    time_->setText(qs(model_->currentTime()));
    alarm_->setText(qs(model_->programmed()));
    if (alarm_->property("blink").toBool() != model_->blinkOn()) {
        alarm_->setProperty("blink", model_->blinkOn());
        alarm_->style()->unpolish(alarm_);
        alarm_->style()->polish(alarm_);
    }
    if (ringBox_ && !model_->ringing()) ringBox_->close();
}

void AlarmWindow::onSecond() {
    const bool started = model_->tick();
    refresh();
    if (started) {
        comeForward();
        showRingBox();
    }
    second_.start(model_->msUntilNextSecond() + kTimerMarginMs);
}

void AlarmWindow::comeForward() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    QApplication::alert(this);
}

void AlarmWindow::showRingBox() {
    if (!ringBox_) {
        auto* box = new QMessageBox(this);
        box->setObjectName(QStringLiteral("ringBox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowTitle(QStringLiteral("Numeralia - Alarma"));
        box->setIconPixmap(QIcon(QStringLiteral(":/pictures/alarm.svg")).pixmap(QSize(64, 64)));
        box->setText(qs(desk::kRingHeading));
        box->setStyleSheet(QStringLiteral(
            "QLabel#qt_msgbox_label { font-size: 18pt; font-weight: bold; color: #c62828; }"));
        QPushButton* snooze = box->addButton(QStringLiteral("Posponer 5 min"), QMessageBox::ActionRole);
        snooze->setObjectName(QStringLiteral("posponer"));
        QPushButton* stop = box->addButton(QStringLiteral("Parar"), QMessageBox::AcceptRole);
        stop->setObjectName(QStringLiteral("parar"));
        box->setDefaultButton(stop);
        box->setEscapeButton(stop);
        prepareWindow(box);
        // Clicked, or closed with Escape or its close box: the ringing ends either way.
        connect(box, &QMessageBox::buttonClicked, this, [this, snooze](QAbstractButton* button) {
            if (button == snooze) {
                model_->snooze();
            } else {
                model_->stop();
            }
            refresh();
        });
        connect(box, &QObject::destroyed, this, [this] {
            if (model_->ringing()) {
                model_->stop();
                refresh();
            }
        });
        ringBox_ = box;
    }
    ringBox_->setInformativeText(qs(model_->ringText()));
    placeRingBox();
    ringBox_->open();  // modal to this window only: the calculators stay usable
    ringBox_->raise();
    ringBox_->activateWindow();
}

// Under the window, or above it, where the screen has room: the blinking alarm and the
// time stay in sight.
void AlarmWindow::placeRingBox() {
    ringBox_->adjustSize();
    const QScreen* where = screen();
    if (where == nullptr) return;
    const QRect screenArea = where->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize size = ringBox_->frameGeometry().size();
    constexpr int kGap = 8;
    for (const QPoint corner : {QPoint(frame.left(), frame.bottom() + kGap),
                                QPoint(frame.left(), frame.top() - kGap - size.height())}) {
        QRect place(corner, size);
        if (place.right() > screenArea.right()) place.moveRight(screenArea.right());
        if (place.left() < screenArea.left()) place.moveLeft(screenArea.left());
        if (screenArea.contains(place)) {
            ringBox_->move(place.topLeft());
            return;
        }
    }
}

void AlarmWindow::stateChanged() {
    model_->resized(windowState() & Qt::WindowMinimized);
    setWindowTitle(qs(model_->caption()));
    set_->setText(qs(model_->keyCaption()));
}

void AlarmWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) stateChanged();
    QWidget::changeEvent(event);
}

void AlarmWindow::resizeEvent(QResizeEvent* event) {
    stateChanged();
    QWidget::resizeEvent(event);
}

void AlarmWindow::closeEvent(QCloseEvent* event) {
    // The program shutting down asks nothing.
    const std::string question = model_->closeQuestion();
    if (!context_.windows.closingAll() && !question.empty() &&
        !context_.dialogs.askYesNo("Numeralia - Alarma", question)) {
        event->ignore();
        return;
    }
    second_.stop();
    QWidget::closeEvent(event);
}

}  // namespace numeralia::app

// No caption is cut: every window of the program, shrunk to the least size it allows, shows
// the whole text of each button, label and field, measured with the font metrics of the
// widget's own font against the room its style leaves for the text. CTest runs this test at
// the screen scales 1, 1.5 and 2 (QT_SCALE_FACTOR).

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <cmath>

#include "all_windows_support.h"

using namespace numeralia;
using namespace numeralia::testing;

namespace {

QSizeF extent(const QWidget* w, const QString& text, int flags = 0) {
    return QFontMetricsF(w->font()).size(flags, text);
}

// The room a button's style leaves for its caption, and what the caption takes.
std::pair<QRect, QSizeF> buttonText(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
    } else if (qobject_cast<const QCheckBox*>(button)) {
        element = QStyle::SE_CheckBoxContents;
    } else {
        element = QStyle::SE_RadioButtonContents;
    }
    QSizeF text = extent(button, button->text(), Qt::TextShowMnemonic);
    if (!button->icon().isNull()) text.rwidth() += button->iconSize().width() + 4;
    return {button->style()->subElementRect(element, &option, button), text};
}

std::pair<QRect, QSizeF> labelText(const QLabel* label) {
    int indent = label->indent();
    if (indent < 0) indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                -label->margin(), -label->margin());
    room.setWidth(room.width() - indent);
    if (!label->wordWrap()) return {room, extent(label, label->text(), Qt::TextShowMnemonic)};
    const QRectF wrapped = QFontMetricsF(label->font())
                               .boundingRect(QRectF(0, 0, room.width(), 1e6),
                                             Qt::TextWordWrap, label->text());
    return {room, wrapped.size()};
}

std::pair<QRect, QSizeF> fieldText(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    room = room.marginsRemoved(margins).adjusted(2, 1, -2, -1);  // the box's own inner margins
    return {room, extent(box, box->text())};
}

bool isRichText(const QLabel* label) {
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

void collect(QWidget* window, const char* where, QStringList& problems, int& checked) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        std::pair<QRect, QSizeF> fit;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w);
            button && !button->text().isEmpty() &&
            (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) ||
             qobject_cast<QRadioButton*>(w))) {
            fit = buttonText(button);
            text = button->text();
        } else if (auto* label = qobject_cast<QLabel*>(w);
                   label && !label->text().isEmpty() && !isRichText(label)) {
            fit = labelText(label);
            text = label->text();
        } else if (auto* box = qobject_cast<QLineEdit*>(w); box && !box->text().isEmpty()) {
            if (box->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored) continue;
            fit = fieldText(box);
            text = box->text();
        } else {
            continue;
        }
        ++checked;
        const auto& [room, needed] = fit;
        if (needed.width() > room.width() + 0.01 || needed.height() > room.height() + 0.01) {
            problems << QStringLiteral("%1: %2 \"%3\" needs %4 x %5, has %6 x %7")
                            .arg(QString::fromLatin1(where), w->objectName(), text)
                            .arg(needed.width(), 0, 'f', 1)
                            .arg(needed.height(), 0, 'f', 1)
                            .arg(room.width())
                            .arg(room.height());
        }
    }
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT
  private slots:
    void everyCaptionFitsInEveryWindowAtItsLeastSize() {
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        qInfo("screen scale %s", scale.isEmpty() ? "1" : scale.constData());
        AllWindows all;
        QStringList problems;
        int checked = 0;
        all.forEach([&](app::WindowId id, QWidget* window) {
            // As small as the window lets itself be made.
            window->resize(1, 1);
            QCoreApplication::processEvents();
            collect(window, windowName(id), problems, checked);
        });
        for (const QString& problem : problems) qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems").arg(problems.size())));
        QVERIFY(checked > 100);
    }
};

QTEST_MAIN(CaptionFitTest)
#include "caption_fit_test.moc"

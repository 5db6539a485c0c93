#include "app/shell/caption_fit.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace numeralia::app {

namespace {

// The size a text needs in a font, rounded up, with one pixel to spare for the rounding of
// the glyphs at the screen's scale.
QSize textSize(const QFont& font, const QString& text, int flags) {
    const QSizeF size = QFontMetricsF(font).size(flags, text);
    return {static_cast<int>(std::ceil(size.width())) + 1, static_cast<int>(std::ceil(size.height()))};
}

QStyleOptionButton buttonOption(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
    }
    return option;
}

// The size the widget needs for its text, or an empty size when the rule leaves it alone.
QSize neededSize(QWidget* w) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text().isEmpty()) return {};
        QStyle::SubElement contents;
        if (qobject_cast<QPushButton*>(button)) {
            contents = QStyle::SE_PushButtonContents;
        } else if (qobject_cast<QCheckBox*>(button)) {
            contents = QStyle::SE_CheckBoxContents;
        } else if (qobject_cast<QRadioButton*>(button)) {
            contents = QStyle::SE_RadioButtonContents;
        } else {
            return {};  // tool buttons size themselves
        }
        QStyleOptionButton option = buttonOption(button);
        const QRect room = button->style()->subElementRect(contents, &option, button);
        QSize need = textSize(button->font(), button->text(), Qt::TextShowMnemonic);
        if (!button->icon().isNull()) {
            need.rwidth() += button->iconSize().width() + 4;
            need.setHeight(std::max(need.height(), button->iconSize().height()));
        }
        return need + (button->size() - room.size());
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = label->text();
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (text.isEmpty() || label->wordWrap() || rich) return {};
        const int margin = label->margin();
        int indent = label->indent();
        if (indent < 0)
            indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        const int flags = label->buddy() ? Qt::TextShowMnemonic : 0;
        const QSize need = textSize(label->font(), text, flags) + QSize(2 * margin + indent, 2 * margin);
        return need + (label->size() - label->contentsRect().size());
    }
    return {};
}

void fit(QWidget* w) {
    w->ensurePolished();
    QSize need = neededSize(w);
    if (need.isEmpty()) return;
    const QSizePolicy policy = w->sizePolicy();
    const QSize minimum = w->minimumSize();
    if (policy.horizontalPolicy() == QSizePolicy::Ignored) need.setWidth(minimum.width());
    if (policy.verticalPolicy() == QSizePolicy::Ignored) need.setHeight(minimum.height());
    const QSize wanted = minimum.expandedTo(need);
    if (wanted != minimum) w->setMinimumSize(wanted);
    const QSize maximum = w->maximumSize();
    if (maximum.width() < wanted.width() || maximum.height() < wanted.height())
        w->setMaximumSize(maximum.expandedTo(wanted));
}

// A window whose layout wraps words (heightForWidth) may not be made lower than its text
// needs at its present width; Qt leaves that out of a window's minimum size.
void fitWrappedHeight(QWidget* window) {
    QLayout* layout = window->layout();
    if (!layout || !layout->hasHeightForWidth()) return;
    constexpr const char* kOwnMinimum = "ownMinimumHeight";
    if (!window->property(kOwnMinimum).isValid())
        window->setProperty(kOwnMinimum, window->minimumHeight());
    const int needed = std::max(window->property(kOwnMinimum).toInt(),
                                layout->totalMinimumHeightForWidth(window->width()));
    if (needed != window->minimumHeight()) window->setMinimumHeight(needed);
}

void fitChildren(QWidget* parent) {
    for (QObject* o : parent->children()) {
        if (o->isWidgetType()) fit(static_cast<QWidget*>(o));
    }
}

// Fits the whole window when it is polished, shown or restyled, and the children of a
// widget whose layout is about to be redone (a caption changed).
class CaptionFitter : public QObject {
  public:
    explicit CaptionFitter(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("captionFitter"));
    }

    void fitAll() {
        for (QWidget* w : window_->findChildren<QWidget*>()) {
            w->installEventFilter(this);
            fit(w);
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::LayoutRequest:
                if (watched != window_) fitChildren(static_cast<QWidget*>(watched));
                else fitAll();
                break;
            case QEvent::Resize:
                if (watched == window_) fitWrappedHeight(window_);
                break;
            case QEvent::Polish:
            case QEvent::Show:
            case QEvent::FontChange:
            case QEvent::StyleChange:
                if (watched == window_) fitAll();
                break;
            default:
                break;
        }
        return false;
    }

  private:
    QWidget* window_;
};

}  // namespace

void fitCaptions(QWidget* window) {
    auto* fitter = window->findChild<CaptionFitter*>(QStringLiteral("captionFitter"),
                                                     Qt::FindDirectChildrenOnly);
    if (!fitter) {
        fitter = new CaptionFitter(window);
        window->installEventFilter(fitter);
    }
    fitter->fitAll();
}

}  // namespace numeralia::app

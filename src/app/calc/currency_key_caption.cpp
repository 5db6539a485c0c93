#include "app/calc/currency_key_caption.h"

#include <QEvent>
#include <QPushButton>

namespace numeralia::app {

namespace {

constexpr const char* kFullCaption = "currencyName";

void showElided(QPushButton* key) {
    const QString name = key->property(kFullCaption).toString();
    // Room for the frame and the padding of the key on both sides.
    const int room = key->width() - 2 * key->fontMetrics().averageCharWidth() - 8;
    key->setText(key->fontMetrics().elidedText(name, Qt::ElideRight, std::max(room, 0)));
}

// Re-elides the caption whenever the key changes size or font.
class CaptionFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange ||
            event->type() == QEvent::StyleChange) {
            showElided(static_cast<QPushButton*>(watched));
        }
        return false;
    }
};

}  // namespace

void setCurrencyCaption(QPushButton* key, const QString& name) {
    if (!key->findChild<CaptionFitter*>(QString(), Qt::FindDirectChildrenOnly)) {
        // The name never widens the key: the keypad decides its width.
        QSizePolicy policy = key->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        key->setSizePolicy(policy);
        key->installEventFilter(new CaptionFitter(key));
    }
    key->setProperty(kFullCaption, name);
    showElided(key);
}

}  // namespace numeralia::app

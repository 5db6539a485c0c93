#include "app/calc/calc_displays.h"

#include "app/shell/accessibility.h"
#include "app/shell/qt_text.h"
#include "app/shell/svg_picture.h"

namespace numeralia::app {

namespace {

QLineEdit* display(const char* name, Qt::Alignment alignment, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(alignment);
    return box;
}

QString faceOf(calc::ErrorPicture picture) {
    switch (picture) {
        case calc::ErrorPicture::Critical:
            return QStringLiteral(":/pictures/face_critical.svg");
        case calc::ErrorPicture::FunctionError:
            return QStringLiteral(":/pictures/face_function_error.svg");
        default:
            return QStringLiteral(":/pictures/face_normal.svg");
    }
}

}  // namespace

QString CalcDisplays::errorDescription(const calc::CalculatorState& s) {
    // The message of an error on show is in the info line.
    if (s.picture == calc::ErrorPicture::Normal) return QStringLiteral("Sin error");
    return qs(s.result);
}

QLabel* CalcDisplays::caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName("displayCaption");
    return label;
}

CalcDisplays::CalcDisplays(calc::CalculatorKind kind, QWidget* parent) : QObject(parent) {
    const bool scientific = kind == calc::CalculatorKind::Scientific;
    numero = display("numero", Qt::AlignRight | Qt::AlignVCenter, parent);
    result = display("result", Qt::AlignRight | Qt::AlignVCenter, parent);
    func = display("func", Qt::AlignCenter, parent);
    if (scientific) {
        dcm = display("dcm", Qt::AlignCenter, parent);
        angulo = display("angulo", Qt::AlignCenter, parent);
    }
    ivas = display("ivas", Qt::AlignCenter, parent);
    const std::size_t memoryBoxes = scientific ? memories.size() : 3;
    for (std::size_t i = 0; i < memoryBoxes; ++i) {
        const QString name = QStringLiteral("m%1").arg(i + 1);
        memories[i] =
            display(name.toLatin1().constData(), Qt::AlignRight | Qt::AlignVCenter, parent);
        memories[i]->setToolTip(QStringLiteral("Valor actual de la Memoria %1").arg(i + 1));
    }
    image3 = new SvgPicture(faceOf(calc::ErrorPicture::Normal), QSize(44, 44), parent);
    image3->setObjectName("Image3");

    // What a screen reader calls the displays that have no tool tip to name them.
    const std::pair<QWidget*, const char*> names[] = {
        {numero, "Pantalla principal"}, {result, "Línea de información"},
        {func, "Función"},              {dcm, "Número de decimales"},
        {angulo, "Modo de ángulo"},     {ivas, "Tipo de IVA"},
    };
    for (const auto& [widget, name] : names) {
        if (widget) setAccessibleTexts(widget, QString::fromUtf8(name));
    }
    setAccessibleTexts(image3, QStringLiteral("Indicador de error"), errorDescription({}));

    history = new QComboBox(parent);
    history->setObjectName("Combo1");
    history->setEditable(true);
    history->lineEdit()->setReadOnly(true);
    history->setFocusPolicy(Qt::NoFocus);
    history->setToolTip(QStringLiteral("Registro de Resultados"));
    history->setMaxVisibleItems(20);
    QSizePolicy keep = history->sizePolicy();
    keep.setRetainSizeWhenHidden(true);  // showing the list does not move the keys
    history->setSizePolicy(keep);
    connect(history, &QComboBox::activated, this, &CalcDisplays::historyEntryChosen);
}

void CalcDisplays::refresh(const calc::CalculatorState& s) {
    numero->setText(qs(s.numero));
    result->setText(qs(s.result));
    func->setText(qs(s.func));
    if (dcm) dcm->setText(qs(s.dcm));
    if (angulo) angulo->setText(qs(s.angulo));
    ivas->setText(qs(s.ivas));
    for (std::size_t i = 0; i < memories.size(); ++i) {
        if (memories[i]) memories[i]->setText(qs(s.memories[i]));
    }
    const QString face = faceOf(s.picture);
    if (image3->source() != face) image3->setSource(face);
    setAccessibleTexts(image3, image3->accessibleName(), errorDescription(s));
    refreshHistory(s);
}

void CalcDisplays::refreshHistory(const calc::CalculatorState& s) {
    const auto& entries = s.history;
    const QString last = entries.empty() ? QString() : qs(entries.back());
    const bool grown =
        entries.size() >= shownEntries_ && shownEntries_ > 0 &&
        history->itemText(static_cast<int>(shownEntries_ - 1)) == qs(entries[shownEntries_ - 1]);
    const QString first = entries.empty() ? QString() : qs(entries.front());
    if (entries.size() != shownEntries_ || last != shownLast_ ||
        (shownEntries_ > 0 && history->itemText(0) != first)) {
        if (!grown) {
            history->clear();
            shownEntries_ = 0;
        }
        for (std::size_t i = shownEntries_; i < entries.size(); ++i)
            history->addItem(qs(entries[i]));
        shownEntries_ = entries.size();
        shownLast_ = last;
    }
    history->setEditText(qs(s.historyText));
    history->setVisible(s.historyVisible);
}

}  // namespace numeralia::app

#include "app/convert/converter_help_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace numeralia::app {

namespace {

const char* const kIntroduction =
    "Para realizar conversiones entre distintas unidades de magnitudes físicas, siga las "
    "instrucciones siguientes:";
const char* const kSteps[] = {
    "1)  Elija la Magnitud Física deseada de entre las disponibles en la Barra Menú.",
    "2)  Seleccione con el ratón las dos unidades para las cuales desea conocer el factor de "
    "conversión.  Las unidades seleccionadas aparecerán destacadas del resto en color azul.   "
    "En la parte inferior de la pantalla, se mostrará  el factor de conversión de la primera "
    "unidad seleccionada en la segunda.  Así de fácil.  Si desea operar con ese factor de "
    "conversión, vaya a la sección \"Copiar a\" y pulse alguno de los Botones <R1>, <R2> o "
    "<R3>, y dicho valor pasará de forma automática a la Memoria de Tránsito seleccionada de "
    "la Calculadora.",
};
const char* const kNotes[] = {
    "Si desea deseleccionar una unidad, vuelva a pinchar con el ratón en dicha unidad.  Si "
    "después de haber seleccionado 2 unidades, pincha en una tercera, las dos primeras "
    "quedarán automáticamente deseleccionadas.",
    "Si quiere expresar el Factor de Conversión en Notación Exponencial  (con un máximo de 10 "
    "decimales),  pulse el botón <EXP>.",
};

QLabel* paragraph(const char* text, const char* name) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

ConverterHelpWindow::ConverterHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ConverterHelp"));
    setWindowTitle(QStringLiteral("Ayuda Conversion de Unidades"));
    setStyleSheet(QStringLiteral("QWidget#ConverterHelp { background: #fdfaf4; }"
                                 "QLabel#notas { font-weight: bold; font-size: 12pt;"
                                 " color: #1d3557; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(10);
    layout->addWidget(paragraph(kIntroduction, "introduccion"));
    for (const char* step : kSteps) layout->addWidget(paragraph(step, "paso"));
    layout->addSpacing(6);
    layout->addWidget(paragraph("Notas", "notas"));
    for (const char* note : kNotes) layout->addWidget(paragraph(note, "nota"));
    layout->addStretch(1);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    setMinimumWidth(em * 36);
    resize(em * 40, heightForWidth(em * 40) > 0 ? heightForWidth(em * 40) : em * 30);
}

}  // namespace numeralia::app

#include "app/convert/converter_help_window.h"

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

QString helpHtml() {
    QString html = helpParagraph(kIntroduction);
    for (const char* step : kSteps) html += helpParagraph(step);
    html += QStringLiteral("<h3>Notas</h3>");
    for (const char* note : kNotes) html += helpParagraph(note);
    return html;
}

}  // namespace

ConverterHelpWindow::ConverterHelpWindow(QWidget* parent)
    : HelpWindow(QStringLiteral("Ayuda Conversion de Unidades"), helpHtml(), QSize(40, 30),
                 parent) {}

}  // namespace numeralia::app

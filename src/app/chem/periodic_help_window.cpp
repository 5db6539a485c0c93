#include "app/chem/periodic_help_window.h"

namespace numeralia::app {

namespace {

const char* const kTableHelp = R"(
<h2>Tabla Periódica</h2>
<p>Pulse el botón de un elemento para ver su ficha: número atómico, nombre, símbolo, peso
atómico y hasta dieciocho propiedades físicas y químicas, con un dibujo de su red cristalina y
el color del carácter ácido o básico de su óxido. Al pasar el ratón por un botón se ven el número
atómico y los nombres del elemento en español y en inglés.</p>
<p>El color de cada botón dice de qué clase es el elemento: <b>No metales</b>, <b>Gases
Nobles</b>, <b>Semimetales</b> o <b>Metales</b>. El símbolo en <i>cursiva</i> señala los elementos
artificiales y el <u>subrayado</u> los líquidos a temperatura ambiente. En la ficha, el símbolo se
escribe en rojo si el elemento es gaseoso, azul si es líquido, negro si es sólido y verde si se
prepara artificialmente.</p>

<h3>Con el teclado</h3>
<p>Las flechas recorren la tabla de botón en botón; Intro o la barra espaciadora muestran el
elemento elegido. También puede escribir su símbolo o el principio de su nombre, en español o en
inglés: <i>Fe</i>, <i>hier</i> o <i>iron</i> muestran el hierro.</p>

<h3>Energías en calorías o en julios</h3>
<p>El menú <b>Energía</b> muestra la energía de ionización, los calores de vaporización y de
fusión, el calor específico y la conductividad térmica en <i>Calorías</i> (Kcal/mol, cal/(g·C),
cal/(cm²·cm·C·seg)) o en <i>Julios</i> (KJ/mol, J/(g·C), J/(cm²·cm·C·seg)); una caloría son
4,1855 julios. El cambio se hace con un elemento en la ficha y vale para los que se muestren
después.</p>

<h3>Notas, dibujos e impresión</h3>
<p>Los números entre paréntesis de los títulos de la ficha remiten a las notas del menú
<b>Notas</b>. Un valor "--" indica que no hay dato; un punto de fusión entre paréntesis es
estimado o no se ha medido a la presión normal. Pulse el dibujo de la red cristalina o el color
del óxido para volver a mostrarlos. El icono de la impresora imprime la ventana entera en la
impresora predeterminada; si no hay ninguna, la guarda como documento PDF y dice dónde.</p>
)";

}  // namespace

PeriodicHelpWindow::PeriodicHelpWindow(QWidget* parent)
    : HelpWindow(QStringLiteral("Ayuda Tabla Periódica"), QString::fromUtf8(kTableHelp),
                 QSize(56, 46), parent) {}

}  // namespace numeralia::app

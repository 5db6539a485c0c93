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

// The help of the molecular-weight calculator.
const char* const kCalculatorTitle = "Ayuda para el cálculo de Pesos Moleculares.";
const char* const kCalculatorLines[] = {
    "Para acceder a la ventana de cálculo de Pesos Moleculares, entre dentro de Menú y escoja "
    "dicha opción.",
    "Puede Calcular el PM de una substancia siguiendo uno de estos dos métodos (ejemplo para el "
    "H2SO4):",
    "1) En la Tabla Periódica, pulse los botones de los símbolos que aparecen en la fórmula del "
    "compuesto, tantas veces como indiquen los subindices correspondientes. Ejemplo:  "
    "[H],[H],[S],[O],[O],[O],[O].   No importa el orden de los símbolos.",
    "2) Pulse los botones de los símbolos que aparecen en la fórmula del compuesto, seguidos del "
    "subíndice correspondiente a cada uno de ellos. Ejemplo:   [H],[2],[=],[S],[O],[4],[=].     "
    "No importa el orden de los símbolos.",
    "Si desea realizar un nuevo cálculo, pulse el botón de borrado [C] para eliminar las "
    "operaciones anteriores. Si desea finalizar, pulse el botón [Salir]",
};

const char* const kToolsHelp = R"(
<p>El menú es <b>Cálculo PM</b>, opción <i>Cálculo</i>. Mientras la calculadora está abierta,
cada elemento que se muestra se añade a la fórmula: con el ratón, o con el teclado eligiendo el
botón (flechas, o escribiendo su símbolo o su nombre) y pulsando Intro. Las cifras y el signo
= del teclado pulsan las teclas de la calculadora. La tecla [=] da al último elemento pulsado el
subíndice escrito; con el subíndice 0 ese elemento deja de contar. Una fórmula tiene como mucho
30 elementos distintos: el elemento 31 empieza una fórmula nueva. Cambiar de calorías a julios
no cambia la fórmula.</p>

<h3>Fórmula escrita</h3>
<p>En el recuadro <b>Fórmula escrita</b> puede escribir la fórmula completa, por ejemplo
<i>H2SO4</i>, <i>Ca(OH)2</i>, <i>K4[Fe(CN)6]</i> o un hidrato como <i>CuSO4·5H2O</i> (también
<i>CuSO4*5H2O</i>). Los símbolos empiezan por mayúscula; los paréntesis pueden ser ( ), [ ] o { }
y anidarse. Al escribir se ven el peso molecular y la composición en masa de cada elemento, en
tanto por ciento. Si un símbolo no existe o falta un paréntesis, un aviso lo dice y marca el
lugar.</p>

<h3>Carácter iónico</h3>
<p>El menú <b>Caracter Iónico</b> muestra el porcentaje de carácter iónico de un enlace
químico sencillo según la diferencia de electronegatividad de sus dos átomos (escala de
Pauling), en una tabla y en una curva. Con una diferencia de 1,7 el enlace es iónico en un
51 %.</p>

<h3>Imprimir un elemento</h3>
<p>El menú <b>Imprimir</b>, opción <i>Elemento</i>, imprime la ficha del elemento mostrado en
una página, con el dibujo de su red cristalina y las energías en las unidades elegidas.</p>

<h3>Tablas</h3>
<p><b>Espectro de la Luz</b> muestra el espectro visible, de 380 a 750 nm, con sus colores;
para la longitud de onda que elija (con el ratón sobre el espectro, el deslizador o la casilla)
da su color, su frecuencia y la energía de sus fotones en eV y en kJ/mol. <b>Series
Electroquímicas</b> da los potenciales normales de reducción a 25 °C, del oxidante más fuerte
(arriba) al reductor más fuerte (abajo).</p>
)";

QString helpHtml() {
    QString html = QString::fromUtf8(kTableHelp);
    html += QStringLiteral("<h3>%1</h3>").arg(QString::fromUtf8(kCalculatorTitle));
    for (const char* line : kCalculatorLines) html += helpParagraph(line);
    return html + QString::fromUtf8(kToolsHelp);
}

}  // namespace

PeriodicHelpWindow::PeriodicHelpWindow(QWidget* parent)
    : HelpWindow(QStringLiteral("Ayuda Tabla Periódica"), helpHtml(), QSize(56, 50), parent) {}

}  // namespace numeralia::app

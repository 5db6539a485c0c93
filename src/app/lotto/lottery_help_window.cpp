#include "app/lotto/lottery_help_window.h"

namespace numeralia::app {

namespace {

const char* const kHelpHtml = R"(
<h2>Simulador Loto</h2>
<p>Simula apuestas de una lotería de 6 números entre 49: obtiene apuestas al azar o marcadas a
mano, muestra la probabilidad de acertar 6, 5, 4 y 3 números y guarda hasta 500 apuestas
seleccionadas, que pueden comprobarse en un sorteo simulado, guardarse en un fichero e
imprimirse.</p>

<h3>Apuestas al Azar</h3>
<p>Es el modo con el que se abre la ventana (menú <b>Opciones</b>, <i>Apuestas al Azar</i>).
Las teclas de <b>Sencilla / Múltiple</b> obtienen una apuesta al azar: <b>[6]</b> una apuesta
sencilla de 6 números y <b>[7]</b> a <b>[11]</b> una apuesta múltiple de 7 a 11 números. Los
números obtenidos se marcan en verde en el panel de números.</p>

<h3>Apuestas Manuales</h3>
<p>En el modo <i>Apuestas Manuales</i> se marcan y desmarcan los números pinchando en ellos con
el ratón. Las probabilidades aparecen en cuanto hay de 6 a 11 números marcados. La tecla
<b>[c]</b> (en el lugar de la tecla 7) borra todos los números marcados.</p>

<h3>Probabilidad de aciertos</h3>
<p>Los cuatro campos muestran la probabilidad, en tanto por ciento, de acertar 6, 5, 4 y 3
números con la apuesta actual. Debajo se indica a cuántas apuestas sencillas equivale una
apuesta múltiple (una de 7 números equivale a 7 apuestas sencillas; una de 11, a 462).</p>

<h3>Apuestas Seleccionadas</h3>
<p>La tecla <b>[Seleccionar]</b> añade la apuesta actual a la lista de apuestas seleccionadas;
el contador indica cuántas hay. El menú <b>Edit</b> las muestra (<i>Mostrar Apuestas
Seleccionadas</i>; la tecla, que entonces se llama <b>[Cerrar Ventana]</b>, vuelve a ocultar la
lista) o las borra todas (<i>Borrar Apuestas</i>).</p>
<p>La lista admite 500 apuestas. Al llegar a la número 500 se avisa de ello; la siguiente
apuesta seleccionada borra la lista entera, por lo que conviene guardarla antes en un
fichero.</p>

<h3>Modo Automático</h3>
<p>Pide un número de apuestas sencillas y las obtiene y selecciona una tras otra, como si se
pulsaran las teclas [6] y [Seleccionar] ese número de veces. La barra de progreso muestra cuántas
van hechas; el botón <b>[Cancelar]</b> detiene el modo automático y conserva las apuestas ya
seleccionadas. El límite de 500 apuestas se aplica también aquí.</p>

<h3>Sorteo Simulado</h3>
<p>En el menú <b>Opciones</b>, <i>Sorteo Simulado</i> extrae al azar la combinación ganadora
(6 números) y el número complementario, y dice cuántas apuestas sencillas de las seleccionadas
habrían acertado 6, 5 más el complementario, 5, 4 y 3 números. Una apuesta múltiple cuenta todas
las apuestas sencillas que contiene.</p>

<h3>Menú Fichero</h3>
<table cellpadding="3">
<tr><td valign="top"><b>Abrir Fichero&nbsp; de Apuestas</b></td><td>Carga un conjunto de apuestas almacenadas previamente en un fichero.</td></tr>
<tr><td valign="top"><b>Guardar Fichero de Apuestas</b></td><td>Almacena en un fichero el conjunto de apuestas actualmente seleccionadas.</td></tr>
<tr><td valign="top"><b>Imprimir Apuestas Seleccionadas</b></td><td>Saca una copia impresa del conjunto de apuestas actualmente seleccionadas.</td></tr>
</table>
<p>Los ficheros de apuestas (extensión <b>.LOT</b>) son ficheros de texto: una primera línea de
título que empieza por <b>#</b> y después una apuesta por línea, con sus números separados por
comas, tal como los muestra la lista (por ejemplo <tt>&nbsp;3,&nbsp;&nbsp;7,&nbsp;&nbsp;12,&nbsp;&nbsp;20,&nbsp;&nbsp;33,&nbsp;&nbsp;41</tt>).
Pueden escribirse también con cualquier editor de textos: cada apuesta debe tener de 6 a 11
números distintos del 1 al 49; las líneas en blanco y las que empiezan por # no cuentan. Un
fichero con alguna línea que no sea una apuesta válida, o con más de 500 apuestas, no se carga
(un mensaje indica la línea que falla) y la lista no cambia. Si la lista no está vacía, se pide
confirmación antes de sustituirla por las apuestas del fichero.</p>
<p>La lista se imprime numerada y en columnas en la impresora predeterminada; si no hay
ninguna, se guarda un documento PDF y se indica dónde.</p>
)";

}  // namespace

LotteryHelpWindow::LotteryHelpWindow(QWidget* parent)
    : HelpWindow(QStringLiteral("Ayuda Simulador Loto"), QString::fromUtf8(kHelpHtml), QSize(62, 54),
                 parent) {}

}  // namespace numeralia::app

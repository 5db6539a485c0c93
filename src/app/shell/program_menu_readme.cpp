#include "app/shell/program_menu_readme.h"

namespace numeralia::app {

QString programMenuReadme() {
    return QStringLiteral(R"(
<h2>Léame</h2>
<p><b>Numeralia v2.5</b> es un conjunto de programas de cálculo para el escritorio. Su centro
es una calculadora de bolsillo con dos modelos, <i>Científica</i> y <i>Normal</i>, que se
maneja con el ratón o con el teclado, con cuatro memorias, historial de teclas, estadística y
resolución de ecuaciones. A su alrededor, este menú abre los demás programas.</p>

<h3>Requisitos mínimos</h3>
<ul>
<li>Linux con un escritorio gráfico (X11 o Wayland) o Windows 10 y posteriores.</li>
<li>Bibliotecas Qt 6 (Widgets, Multimedia, Svg y Print Support).</li>
<li>Pantalla de 1024 × 768 puntos o más.</li>
<li>Tarjeta de sonido, solo si desea oír los sonidos del programa.</li>
<li>Una impresora, solo para imprimir (sin ella se crea un documento PDF).</li>
</ul>

<h3>Instalación</h3>
<p>Copie la carpeta del programa, con el ejecutable <tt>numeralia</tt> y los cinco archivos de
sonido (<tt>.wav</tt>), en el lugar que prefiera y ábralo desde allí. No hace falta nada más:
el programa no escribe fuera de su propia carpeta. Desde el código fuente, la orden
<tt>scripts/run.sh</tt> instala lo necesario, compila y abre el programa.</p>

<h3>Desinstalación</h3>
<p>Cierre el programa y borre su carpeta. Con ella desaparece también el archivo
<tt>pref</tt>, donde se guardan las preferencias.</p>

<h3>Contenido</h3>
<ul>
<li><b>Calculadora</b>: modelo Científico o Normal, el último que usó.</li>
<li><b>Tabla Periódica</b>: ficha de cada elemento, peso molecular y carácter iónico.</li>
<li><b>Operaciones Bancarias</b>: préstamos con cuota mensual y cuadro de amortización.</li>
<li><b>Simulador Loto</b>: apuestas de 6 números entre 49 y sus probabilidades.</li>
<li><b>Conversión de Unidades</b>: factores entre unidades de magnitudes físicas.</li>
<li><b>Alarma</b>: un despertador para no olvidar nada.</li>
</ul>
<p>Los resultados de la conversión de unidades y de las operaciones bancarias pasan a la
calculadora por las memorias de tránsito R1, R2 y R3.</p>

<h3>Preferencias</h3>
<p>Al cerrar este menú se cierran todos los programas y se guardan en el archivo
<tt>pref</tt> las memorias, las memorias de tránsito, el IVA, las monedas, el modelo de
calculadora y el interruptor de sonido. Si la carpeta no admite escritura, el programa lo
avisa y se cierra igualmente.</p>

<h3>Actualizaciones</h3>
<p>Las nuevas versiones se instalan sobre la anterior: sustituya el ejecutable y los sonidos y
conserve el archivo <tt>pref</tt> para mantener sus preferencias. Pulse sobre el logotipo
para ver la versión que tiene instalada.</p>
)");
}

}  // namespace numeralia::app

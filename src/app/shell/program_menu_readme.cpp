#include "app/shell/program_menu_readme.h"

#include "app/shell/qt_text.h"
#include "core/text/pasted_number.h"

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
<li>Bibliotecas Qt 6 (Widgets, Multimedia, Svg, Charts y Print Support).</li>
<li>Pantalla de 1024 × 768 puntos o más.</li>
<li>Tarjeta de sonido, solo si desea oír los sonidos del programa.</li>
<li>Una impresora, solo para imprimir (sin ella se crea un documento PDF).</li>
</ul>

<h3>Instalación</h3>
<p>En Debian y sus derivados instale el paquete con <tt>sudo apt install
./numeralia_2.5-1_amd64.deb</tt>. Numeralia aparece entonces entre las aplicaciones del
escritorio, en <i>Utilidades</i>, y también se abre con la orden <tt>numeralia</tt>.</p>
<p>Sin paquete, copie la carpeta del programa, con el ejecutable <tt>numeralia</tt> y los cinco
archivos de sonido (<tt>.wav</tt>), en el lugar que prefiera y ábralo desde allí. Desde el
código fuente, la orden <tt>scripts/run.sh</tt> instala lo necesario, compila y abre el
programa, y <tt>scripts/package.sh</tt> crea el paquete.</p>

<h3>Desinstalación</h3>
<p>Si instaló el paquete: <tt>sudo apt remove numeralia</tt>. Las preferencias de cada usuario
quedan en su carpeta personal (<tt>~/.config/Numeralia/pref</tt>); bórrela si no las quiere
conservar.</p>
<p>Si copió la carpeta: cierre el programa y borre la carpeta. Con ella desaparece también el
archivo <tt>pref</tt>, donde se guardan las preferencias.</p>

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
calculadora y el interruptor de sonido. El archivo está en la carpeta del programa siempre que
se pueda escribir en ella. Si no se puede, como ocurre con el programa instalado desde el
paquete, cuya carpeta es del sistema, cada usuario tiene el suyo en su carpeta de
configuración: <tt>~/.config/Numeralia/pref</tt> en Linux y
<tt>AppData\Local\Numeralia\pref</tt> en Windows. La ventana <i>Acerca de...</i> dice cuál
se usa. Si el archivo no se puede escribir, el programa lo avisa y se cierra igualmente.</p>
<p>Las preferencias también se guardan cuando el sistema pide cerrar el programa, por ejemplo
al salir de la sesión.</p>

<h3>Copiar y pegar</h3>
<p>%1</p>
<p>En las <i>Operaciones Bancarias</i>, Ctrl+Insert (o Ctrl+C) copia las filas elegidas de la
tabla, con una primera línea de títulos y las columnas separadas por tabuladores, de modo que
se pegan en una hoja de cálculo columna por columna; el menú de la tabla (botón derecho o tecla
de menú) ofrece «Copiar filas» y «Copiar tabla», y el de cada resultado, «Copiar». En la
<i>Conversión de Unidades</i>, el menú del factor de conversión y de las unidades ofrece
«Copiar».</p>

<h3>Actualizaciones</h3>
<p>Con el paquete, instale el nuevo sobre el anterior: las preferencias de cada usuario se
conservan. Con la carpeta copiada, sustituya el ejecutable y los sonidos y conserve el archivo
<tt>pref</tt>. Pulse sobre el logotipo para ver la versión que tiene instalada.</p>
)").arg(qs(text::pasteRuleHelp()).toHtmlEscaped());
}

}  // namespace numeralia::app

#include "app/bank/bank_help_window.h"

namespace numeralia::app {

namespace {

const char* const kHelpHtml = R"(
<h2>Operaciones Bancarias</h2>
<p>Calcula préstamos, depósitos a plazo fijo y planes de ahorro con su tabla mes a mes.
Elija primero el tipo de operación en el menú <b>Tipo Operación</b>: <i>Préstamos Bancarios</i>,
<i>Depósitos a Plazo Fijo</i> o <i>Planes de Ahorro</i>. Al cambiar de operación se borran los
datos, los resultados y la tabla.</p>

<h3>Cómo se escriben los datos</h3>
<p>Escriba cada cantidad con el teclado numérico de la ventana o con el del ordenador (la
coma o el punto sirven como separador decimal) y asígnela con su tecla:</p>
<table cellpadding="3">
<tr><td><b>[Capital&nbsp;Base]</b></td><td>F1</td><td>el capital del préstamo o del depósito; en un plan de ahorro, la aportación inicial (puede quedar vacío)</td></tr>
<tr><td><b>[Interés (%)]</b></td><td>F2</td><td>el interés nominal anual, en tanto por ciento</td></tr>
<tr><td><b>[Tiempo]</b></td><td>F3</td><td>el plazo, en años o en meses según la opción <b>Años</b> / <b>Meses</b> (como máximo 100 años, y siempre un número entero de meses)</td></tr>
<tr><td><b>[Aport. Mensual]</b></td><td>F4</td><td>la aportación de cada mes (solo planes de ahorro)</td></tr>
<tr><td><b>[Incr. Anual (%)]</b></td><td>F5</td><td>cuánto sube la aportación mensual al empezar cada nuevo año del plan, en tanto por ciento (solo planes de ahorro; vacío es 0)</td></tr>
<tr><td><b>[Calcular]</b></td><td>F12</td><td>calcula los resultados y la tabla</td></tr>
<tr><td><b>[C]</b></td><td>C</td><td>borra el visor, los datos, los resultados y la tabla</td></tr>
</table>
<p>Si falta un dato o no es válido, un mensaje dice cuál es y no se muestra ningún resultado.</p>

<h3>Préstamos Bancarios</h3>
<p>Préstamo devuelto en cuotas mensuales iguales (sistema francés). Al calcular se pregunta si
los pagos se hacen al final o al principio de cada mes. Se muestran la <b>Mensualidad</b> (cuota
mensual), el <b>Capital Final</b> (todo lo que se paga) y los <b>Intereses</b>. La tabla da,
para cada mes, el pago, la parte que amortiza capital (Nominal), la parte de intereses y el
capital pendiente.</p>

<h3>Depósitos a Plazo Fijo</h3>
<p>El capital gana el interés anual dividido en doce partes cada mes; los intereses se suman al
capital cada mes y se cobran todos al vencimiento. Se muestran la <b>TAE (%)</b> (interés anual
equivalente), el <b>Capital Final</b> y los <b>Intereses</b>. La tabla da, para cada mes, el
saldo inicial, el interés del mes, los intereses acumulados y el saldo final.</p>

<h3>Planes de Ahorro</h3>
<p>Cada mes se aporta la cantidad de [Aport. Mensual], que crece cada año según [Incr. Anual
(%)]; el saldo gana el interés mensual. Al calcular se pregunta si las aportaciones se hacen al
final o al principio de cada mes (al principio, la aportación ya gana el interés de ese mes).
Se muestran el <b>Total Aportado</b>, el <b>Capital Final</b> y los <b>Intereses</b>. La tabla
da, para cada mes, la aportación, el interés del mes, el total aportado hasta entonces y el
saldo.</p>

<h3>Memorias R1, R2 y R3</h3>
<p>Los tres resultados de cada cálculo se guardan automáticamente en las memorias de tránsito
<b>R1</b>, <b>R2</b> y <b>R3</b> de la calculadora, sustituyendo lo que guardaban; las teclas R1 a
R3 de la calculadora los recuperan, y su descripción aparece al pasar el ratón por encima. En
los préstamos se guardan las partes enteras de la mensualidad, del capital final y de los
intereses.</p>

<h3>Imprimir</h3>
<p>El menú <b>Imprimir</b> (y el icono de la impresora) imprime los <i>Resultados</i> (datos y
resultados) o los <i>Resultados y Tablas</i> (además, la tabla completa) en la impresora
predeterminada; si no hay ninguna, se guarda un documento PDF y se indica dónde.</p>
)";

}  // namespace

BankHelpWindow::BankHelpWindow(QWidget* parent)
    : HelpWindow(QStringLiteral("Ayuda Operaciones Bancarias"), QString::fromUtf8(kHelpHtml),
                 QSize(62, 54), parent) {}

}  // namespace numeralia::app

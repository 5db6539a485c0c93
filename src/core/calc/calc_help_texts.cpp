// The texts of the calculator's Help window (see calc_help_texts.h for the form of the
// worked examples). Every key, display and menu entry of the Scientific window has one; the
// texts say what this calculator does, with its limits, messages and keyboard keys. The
// statistics, solver and reserved keys have theirs in calc_help_tool_texts.cpp.

#include "core/calc/calc_help_texts.h"

#include <iterator>
#include <string>
#include <vector>

namespace numeralia::calc {

namespace helptext {

const std::string_view memoryRecall =
    "Presenta en la ventana principal de datos el número guardado en la Memoria ";
const std::string_view memoryAddStart = "Suma el número actual a la Memoria ";
const std::string_view memoryAddMiddle =
    ". Los valores actuales de las Memorias M1 a M4 son guardados en la calculadora aún cuando "
    "el programa haya finalizado. Al volver a abrir la calculadora, se mostrarán los valores "
    "finales de M1 a M4 de la última sesión. TECLADO: la tecla  ' SHIFT + ";
const std::string_view memoryAddEnd = " '  realiza el mismo efecto.";
const std::string_view memoryClear = "Borra el contenido de la Memoria ";
const std::string_view memoryDisplay = "Esta ventana muestra el contenido de la Memoria ";
const std::string_view hexStart = "Tecla Hexadecimal:   ";
const std::string_view hexMiddle = "  (Hexadecimal) = ";
const std::string_view hexEnd = "  (Decimal)";
const std::string_view constantsStart = "16 Teclas de Constantes Científicas de uso frecuente. ";
const std::string_view constantsEnd =
    " Al pulsarla, el valor pasa a la pantalla principal con todas sus cifras, sea cual sea el "
    "número de decimales fijado con SET, y puede usarse en cualquier operación. El valor "
    "completo aparece también al dejar el puntero sobre la tecla. No está disponible en modo "
    "Hexadecimal.";

}  // namespace helptext

namespace {

// ---- Texts shared by several keys ----

constexpr std::string_view kDigits =
    "Teclas de entrada de datos numéricos. TECLADO: las teclas  ' 0-9 '  realizan el mismo "
    "efecto.";

constexpr std::string_view kTransit =
    "Memorias de Transito. En las Memorias R1 a R3 se almacenan los resultados de la ejecución "
    "de los sub-programas que componen la Calculadora. La Conversión de unidades guarda en R1, "
    "R2 o R3, con sus botones del mismo nombre, el factor de conversión que muestra; Operaciones "
    "Bancarias guarda tras cada cálculo sus tres resultados (en un préstamo, la mensualidad en "
    "R1, el capital final en R2 y los intereses en R3). Al pulsar R1, R2 o R3, su valor pasa a "
    "la pantalla principal con todas sus cifras, listo para operar con él; la descripción del "
    "valor guardado aparece al dejar el puntero sobre la tecla. Los valores se conservan entre "
    "sesiones.";

// ---- Keys ----

const KeyHelpText kKeys[] = {
    // Number entry and display.
    {KeyId::digit0, kDigits},
    {KeyId::digit1, kDigits},
    {KeyId::digit2, kDigits},
    {KeyId::digit3, kDigits},
    {KeyId::digit4, kDigits},
    {KeyId::digit5, kDigits},
    {KeyId::digit6, kDigits},
    {KeyId::digit7, kDigits},
    {KeyId::digit8, kDigits},
    {KeyId::digit9, kDigits},
    {KeyId::decimalPoint,
     "Separador decimal: escribe la coma decimal del número que se está introduciendo. Al "
     "empezar un número escribe 0, (cero coma): [.],[5]  da como resultado 0,5. Un número solo "
     "admite una coma; una segunda pulsación no hace nada. No está disponible en modo "
     "Hexadecimal, cuyos números son enteros. TECLADO: las teclas  ' . '  o  ' , '  realizan el "
     "mismo efecto."},
    {KeyId::changeSign,
     "Cambio de signo del número de la pantalla principal: un número positivo pasa a negativo "
     "y uno negativo a positivo; el 0 no cambia. Las cifras que se escriban después se añaden "
     "al número. Si el número acaba de recibir la E de la tecla EXP, lo que cambia de signo es "
     "el exponente: [5],[EXP],[±],[3]  da como resultado 5E-3, mientras que [5],[EXP],[3],[±]  "
     "da como resultado -5000. TECLADO: las teclas  ' < '  o  ' > '  realizan el mismo "
     "efecto."},
    {KeyId::exponent,
     "Exponencial: añade la letra E al número de la pantalla; las cifras que se escriban a "
     "continuación son el exponente, la potencia de 10 por la que se multiplica el número. "
     "Ejemplo: [1,5],[EXP],[3],[+],[1],[=]  da como resultado 1501. Pulsando ± justo después "
     "de EXP el exponente es negativo. Sobre un 0 no hace nada, y un número solo admite un "
     "exponente. Un número mayor que 1,79769313486232E+308 da «Error: Parada crítica». No está "
     "disponible en modo Hexadecimal. TECLADO: la tecla  ' E '  realiza el mismo efecto."},
    {KeyId::correction,
     "Corrector de la última entrada: devuelve a la pantalla principal el número que mostraba "
     "antes de su último cambio, tomándolo del Historial. Ejemplo: [123],[¬]  da como "
     "resultado 12, y una segunda pulsación vuelve a mostrar 123. Solo recupera números: las "
     "operaciones y funciones ya realizadas no se deshacen. TECLADO: la tecla  ' RETROCESO '  "
     "realiza el mismo efecto."},
    {KeyId::clearEntry,
     "Tecla de Rectificación de la última entrada numérica. TECLADO: la tecla  ' C '  realiza el "
     "mismo efecto."},
    {KeyId::allClear,
     "Tecla de Borrado. TECLADO: la tecla  ' A '  realiza el mismo efecto."},
    {KeyId::exponentialView,
     "Conversor decimal - exponencial: muestra en la línea de información el número de la "
     "pantalla principal en notación exponencial, con tantas cifras significativas como tenga "
     "(al menos tres); la pantalla principal no cambia. Ejemplo: [1234,5],[F--E]  da como "
     "resultado 1,23450e+03, y [0,05],[F--E]  da como resultado 5,00e-02. No está disponible en "
     "modo Hexadecimal."},
    {KeyId::setDecimals,
     "Fija el número de Cifras Decimales. Los resultados de las operaciones matemáticas "
     "ajustarán su número de cifras decimales a este valor. Al arrancar el programa, el número "
     "de cifras decimales por defecto es 15. Escriba el número de decimales, de 1 a 15, y pulse "
     "SET; la pantalla Dec. lo muestra. Ejemplo: [3],[SET],[1],[/],[3],[=]  da como resultado "
     "0,333. Los resultados se redondean a ese número de decimales, sin ceros finales; los "
     "mayores que 10000 y los menores que 0,00001 se muestran en notación exponencial: con 3 "
     "decimales, 123456,789 se muestra 1,235E+5. Un 0, un número negativo, no entero o mayor "
     "que 15 no cambia nada. El número elegido dura hasta que se cierra la ventana de la "
     "calculadora. π, 2π, las constantes y las Memorias de Tránsito se muestran siempre con "
     "todas sus cifras."},
    {KeyId::music,
     "Vuelve a hacer sonar el último aviso sonoro del programa, el que haya dado en esta sesión "
     "el Simulador Loto, siempre que los sonidos estén activados en Archivo, Preferencias. "
     "Mientras suena, la calculadora espera. Si todavía no ha sonado ningún aviso, no hace "
     "nada."},

    // Operators.
    {KeyId::plus,
     "Suma. Escriba el primer número, pulse +, escriba el segundo y pulse = (o la tecla de la "
     "operación siguiente). La calculadora opera estrictamente de izquierda a derecha, sin "
     "prioridad entre operaciones: cada tecla de operación calcula la que estaba pendiente y "
     "muestra el resultado parcial. Ejemplo: [2],[+],[3],[x],[4],[=]  da como resultado 20. "
     "TECLADO: la tecla  ' + '  realiza el mismo efecto."},
    {KeyId::minus,
     "Resta: el primer número menos el segundo. Ejemplo: [10],[--],[4],[=]  da como resultado "
     "6. Como todas las operaciones, se calcula de izquierda a derecha y sin prioridad. "
     "TECLADO: la tecla  ' - '  realiza el mismo efecto."},
    {KeyId::times,
     "Multiplicación. Ejemplo: [2,5],[x],[4],[=]  da como resultado 10. Como todas las "
     "operaciones, se calcula de izquierda a derecha y sin prioridad: [2],[+],[3],[x],[4],[=]  "
     "da como resultado 20. Un resultado mayor que 1,79769313486232E+308 da «Error: Parada "
     "crítica». TECLADO: la tecla  ' * '  realiza el mismo efecto (la X del teclado introduce "
     "datos estadísticos)."},
    {KeyId::divide,
     "División: el primer número dividido por el segundo. Ejemplo: [7],[/],[2],[=]  da como "
     "resultado 3,5. Dividir por cero no es posible: [5],[/],[0],[=]  da el mensaje «Error: "
     "Parada crítica». TECLADO: la tecla  ' / '  realiza el mismo efecto."},
    {KeyId::power,
     "Potenciación: eleva el primer número (la base) al segundo (el exponente). Escriba la "
     "base, pulse x^y, escriba el exponente y pulse =. Ejemplo: [2],[x^y],[10],[=]  da como "
     "resultado 1024. Una base negativa con un exponente no entero, el 0 elevado a un exponente "
     "negativo o un resultado mayor que 1,79769313486232E+308 dan «Error: Parada crítica». "
     "Atención: x^y no calcula la suma, resta, multiplicación o división que estuviera "
     "pendiente, que se pierde: [2],[+],[3],[x^y],[2],[=]  da como resultado 9."},
    {KeyId::equals,
     "Calcula el Total de las operaciones en curso. TECLADO: la tecla  ' ENTER '  realiza el "
     "mismo efecto."},
    {KeyId::percent,
     "Cáculo de porcentajes.  Ejemplo: 25% de 200 = 50   [25],[%],[x],[200],[=]  da como "
     "resultado 50. La tecla % divide entre 100 el número de la pantalla; el porcentaje se "
     "obtiene multiplicando después por la cantidad. No termina la operación pendiente: "
     "[200],[+],[10],[%],[=]  da como resultado 200,1."},

    // Transit memories and key history.
    {KeyId::transit1, kTransit},
    {KeyId::transit2, kTransit},
    {KeyId::transit3, kTransit},
    {KeyId::historyToggle,
     "Historial. La Calculadora puede registrar hasta 500 pulsaciones de Tecla/Resultados. Si "
     "se sobrepasa este valor, los registros almacenados hasta ese momento serán "
     "sobreescritos. Esta tecla muestra u oculta la lista del Historial: en ella se anotan los "
     "números que va mostrando la pantalla principal y, sangradas, las funciones y operaciones "
     "pulsadas; el resultado de = aparece tras la palabra TOTAL y cada borrado como *** ERROR / "
     "BORRADO ***. Al llegar a 500 anotaciones, la lista se vacía y vuelve a empezar. Eligiendo "
     "un número de la lista, vuelve a la pantalla principal para seguir operando con él. La "
     "tecla C de su derecha borra la lista, y Archivo, Imprimir, Historial permite obtener una "
     "copia impresa de los Registros acumulados hasta el momento."},
    {KeyId::historyClear,
     "Borra todos los registros del Historial. La pantalla principal y las operaciones en curso "
     "no cambian."},

    // Trigonometric functions.
    {KeyId::sine,
     "Funciones Trigonométricas: seno. Calcula el seno del número de la pantalla, tomado como "
     "un ángulo en la unidad del modo angular (rad, deg o gra; al abrir la calculadora, deg). "
     "Ejemplo: [30],[sin]  da como resultado 0,5. Un resultado menor que 1E-15 se muestra como "
     "0 (el seno de 180° es 0). Pulsando antes hyp calcula el seno hiperbólico, que no usa el "
     "modo angular; por encima de 705 da «Error: Resultado infinito». No está disponible en "
     "modo Hexadecimal. TECLADO: la tecla  ' F9 '  realiza el mismo efecto (también con CTRL o "
     "ALT)."},
    {KeyId::cosine,
     "Funciones Trigonométricas: coseno del número de la pantalla, tomado como un ángulo en la "
     "unidad del modo angular. Ejemplo: [60],[cos]  da como resultado 0,5, y el coseno de 90° es "
     "0. Pulsando antes hyp calcula el coseno hiperbólico, que no usa el modo angular; por "
     "encima de 705 da «Error: Resultado infinito». No está disponible en modo Hexadecimal. "
     "TECLADO: la tecla  ' F11 '  realiza el mismo efecto (también con CTRL o ALT)."},
    {KeyId::tangent,
     "Funciones Trigonométricas: tangente del número de la pantalla, tomado como un ángulo en "
     "la unidad del modo angular. Ejemplo: [45],[tan]  da como resultado 1. Donde la tangente "
     "es infinita (o su valor pasa de 1E15): [90],[tan]  da el mensaje «Error: Resultado "
     "infinito». Pulsando antes hyp calcula la tangente hiperbólica, que no usa el modo angular "
     "y da 1 por encima de 700. No está disponible en modo Hexadecimal. TECLADO: la tecla  ' "
     "F12 '  realiza el mismo efecto (también con CTRL o ALT)."},
    {KeyId::arcSine,
     "Funciones Trigonométricas: arco seno, el ángulo cuyo seno es el número de la pantalla, "
     "en la unidad del modo angular. Ejemplo: [0,5],[sin¹]  da como resultado 30. El número ha "
     "de estar entre -1 y 1: fuera de ese intervalo da «Error: | x | > 1», y el 1 y el -1 "
     "exactos dan «Error: Parada crítica». Pulsando antes hyp calcula el argumento del seno "
     "hiperbólico, para cualquier número. No está disponible en modo Hexadecimal. TECLADO: la "
     "tecla  ' SHIFT + F9 '  realiza el mismo efecto."},
    {KeyId::arcCosine,
     "Funciones Trigonométricas: arco coseno, el ángulo cuyo coseno es el número de la "
     "pantalla, en la unidad del modo angular. Ejemplo: [0,5],[cos¹]  da como resultado 60. El "
     "número ha de estar entre -1 y 1: fuera de ese intervalo da «Error: | x | > 1», y el 1 y el "
     "-1 exactos dan «Error: Parada crítica». Pulsando antes hyp calcula el argumento del "
     "coseno hiperbólico, que exige un número de 1 en adelante: por debajo da «Error: | x | < "
     "1». No está disponible en modo Hexadecimal. TECLADO: la tecla  ' SHIFT + F11 '  realiza "
     "el mismo efecto."},
    {KeyId::arcTangent,
     "Funciones Trigonométricas: arco tangente, el ángulo cuya tangente es el número de la "
     "pantalla, en la unidad del modo angular; admite cualquier número. Ejemplo: [1],[tan¹]  da "
     "como resultado 45. Pulsando antes hyp calcula el argumento de la tangente hiperbólica, "
     "que exige un número entre -1 y 1 sin llegar a ellos: si no, da «Error: | x | >= 1». No "
     "está disponible en modo Hexadecimal. TECLADO: la tecla  ' SHIFT + F12 '  realiza el mismo "
     "efecto."},
    {KeyId::hyperbolic,
     "Funciones hiperbólicas. Pulse hyp y a continuación sin, cos, tan, sin¹, cos¹ o tan¹ para "
     "calcular el seno, coseno o tangente hiperbólicos o sus funciones inversas; la Función "
     "muestra entonces sinH, cosH, tanH, asinH, acosH o atnH. Los modos angulares no se "
     "aplican. Ejemplo: [0,5],[hyp],[cos]  da como resultado 1,12762596520638. La tecla queda "
     "iluminada hasta que se calcula la función hiperbólica; si sin, cos, tan o sin¹ dan un "
     "error, sigue iluminada para la siguiente. Límites: el seno y el coseno hiperbólicos dan "
     "«Error: Resultado infinito» por encima de 705, la tangente hiperbólica da 1 por encima de "
     "700, acosH exige un número de 1 en adelante («Error: | x | < 1») y atnH uno entre -1 y 1 "
     "(«Error: | x | >= 1»). No está disponible en modo Hexadecimal."},

    // Logarithms, powers and roots.
    {KeyId::log10,
     "Logaritmo decimal (en base 10) del número de la pantalla. Ejemplo: [1000],[log]  da como "
     "resultado 3. El número ha de ser positivo: [0],[log]  da el mensaje «Error: Número "
     "negativo ó nulo». No está disponible en modo Hexadecimal. TECLADO: la tecla  ' F1 '  "
     "realiza el mismo efecto."},
    {KeyId::naturalLog,
     "Logaritmo neperiano (natural, en base e) del número de la pantalla. Ejemplo: [10],[ln]  "
     "da como resultado 2,30258509299405. El número ha de ser positivo: para 0 o un número "
     "negativo da «Error: Número negativo ó nulo». No está disponible en modo Hexadecimal. "
     "TECLADO: la tecla  ' F3 '  realiza el mismo efecto."},
    {KeyId::square,
     "Cuadrado del número de la pantalla. Ejemplo: [12],[x²]  da como resultado 144. Un número "
     "mayor que 1E154 (en valor absoluto) da «Error: Número fuera de rango». TECLADO: la tecla  "
     "' F6 '  realiza el mismo efecto."},
    {KeyId::cube,
     "Cubo del número de la pantalla. Ejemplo: [3],[x³ ]  da como resultado 27. Un número mayor "
     "que 5E102 (en valor absoluto) da «Error: Número fuera de rango». TECLADO: la tecla  ' F8 '"
     "  realiza el mismo efecto."},
    {KeyId::tenPower,
     "Potencia de 10: 10 elevado al número de la pantalla. Ejemplo: [3],[10^x]  da como "
     "resultado 1000. Un exponente mayor que 308 da «Error: Número fuera de rango». No está "
     "disponible en modo Hexadecimal. TECLADO: la tecla  ' F2 '  realiza el mismo efecto."},
    {KeyId::ePower,
     "Potencia de e: el número e (2,71828...) elevado al número de la pantalla. Ejemplo: "
     "[1],[e^x]  da como resultado 2,71828182845905. Un exponente mayor que 709 da «Error: "
     "Número fuera de rango». No está disponible en modo Hexadecimal. TECLADO: la tecla  ' F4 '"
     "  realiza el mismo efecto."},
    {KeyId::squareRoot,
     "Raíz cuadrada del número de la pantalla. Ejemplo: [144],[x½]  da como resultado 12. Un "
     "número negativo da «Error: Número negativo». No está disponible en modo Hexadecimal. "
     "TECLADO: la tecla  ' F5 '  realiza el mismo efecto."},
    {KeyId::reciprocal,
     "Inverso del número de la pantalla: 1 dividido por el número. Ejemplo: [4],[1/x]  da como "
     "resultado 0,25. El 0 no tiene inverso: da «Error: División por cero». No está disponible "
     "en modo Hexadecimal. TECLADO: la tecla  ' I '  realiza el mismo efecto."},
    {KeyId::cubeRoot,
     "Raíz cúbica del número de la pantalla. Ejemplo: [27],[x¹/ ³ ]  da como resultado 3. "
     "Trabaja con números positivos o 0: un número negativo da «Error: Parada crítica». No está "
     "disponible en modo Hexadecimal. TECLADO: la tecla  ' F7 '  realiza el mismo efecto."},

    // Parts of a number, π and random numbers.
    {KeyId::integerPart,
     "Parte entera por defecto: el mayor número entero que no supera al de la pantalla. "
     "Ejemplo: [2,1],[Int]  da como resultado 2, pero con un número negativo "
     "[2,1],[±],[Int]  da como resultado -3 (compárese con Fix). No está disponible en modo "
     "Hexadecimal."},
    {KeyId::fractionalPart,
     "Parte fraccionaria: las cifras decimales del número de la pantalla, con su signo. "
     "Ejemplo: [2,75],[Frac]  da como resultado 0,75, y -2,75 da -0,75. Fix más Frac "
     "dan de nuevo el número. No está disponible en modo Hexadecimal."},
    {KeyId::fixPart,
     "Parte entera: el número de la pantalla sin sus decimales, redondeado hacia el cero. "
     "Ejemplo: [2,1],[±],[Fix]  da como resultado -2 (Int daría -3). No está disponible en modo "
     "Hexadecimal."},
    {KeyId::pi,
     "Número π (pi), la razón entre la longitud de la circunferencia y su diámetro. Pone en la "
     "pantalla principal 3,14159265358979, con todas sus cifras, sea cual sea el número de "
     "decimales fijado con SET. Ejemplo: [2],[x],[π],[=]  da como resultado 6,28318530717958 (el doble del π de la pantalla, redondeado a 15 cifras). "
     "No está disponible en modo Hexadecimal. TECLADO: la tecla  ' P '  realiza el mismo "
     "efecto."},
    {KeyId::twoPi,
     "Dos veces π: pone en la pantalla principal 6,28318530717959 (una vuelta completa en "
     "radianes), con todas sus cifras. Ejemplo: [2π],[/],[4],[=]  da como resultado "
     "1,5707963267949. No está disponible en modo Hexadecimal."},
    {KeyId::random,
     "Generador de numeros aleatorios comprendidos entre 0 - 1"},
    {KeyId::factorial,
     "Factorial: n! = 1·2·3·…·n de un número entero n de 0 a 170 (0! = 1), el número de "
     "permutaciones de n elementos: [5],[n !]  da como resultado 120. El resultado es el valor "
     "exacto redondeado una sola vez, exacto mientras cabe en las 15 cifras de la pantalla: "
     "[100],[n !]  da como resultado 9,33262154439442E+157. Mensajes: «Error: Número "
     "negativo», «Error: Número no entero» y, por encima de 170, «Error: Número fuera de "
     "rango». TECLADO: la tecla  ' N '  realiza el mismo efecto."},

    // Angle modes, angle conversions, degrees-minutes-seconds.
    {KeyId::modeRad,
     "Modo angular en radianes (una vuelta completa son 2π radianes): desde ahora las "
     "funciones trigonométricas toman y dan los ángulos en radianes. El número de la pantalla "
     "no se convierte; para eso están las teclas de conversión. El modo aparece en la pantalla "
     "de modo angular y en la tecla iluminada. Ejemplo: [rad],[1],[sin]  da como resultado "
     "0,841470984807897."},
    {KeyId::modeDeg,
     "Modo angular en grados sexagesimales (una vuelta completa son 360°), el modo con el que "
     "se abre la calculadora: las funciones trigonométricas toman y dan los ángulos en grados. "
     "El número de la pantalla no se convierte. Ejemplo: [deg],[30],[sin]  da como resultado "
     "0,5."},
    {KeyId::modeGra,
     "Modo angular en grados centesimales (una vuelta completa son 400 gra): las funciones "
     "trigonométricas toman y dan los ángulos en grados centesimales. El número de la pantalla "
     "no se convierte. Ejemplo: [gra],[100],[sin]  da como resultado 1."},
    {KeyId::toRad,
     "Conversión a radianes del ángulo de la pantalla, tomado en la unidad del modo angular "
     "actual; el modo no cambia. En modo deg: [180],[rad]  da como resultado 3,14159265358979. "
     "Si el modo ya es rad, el número no cambia. No está disponible en modo Hexadecimal."},
    {KeyId::toDeg,
     "Conversión a grados sexagesimales del ángulo de la pantalla, tomado en la unidad del "
     "modo angular actual; el modo no cambia. Por ejemplo, en modo gra: [gra],[50],[deg]  da "
     "como resultado 45. Si el modo ya es deg, el número no cambia. No está disponible en modo "
     "Hexadecimal."},
    {KeyId::toGra,
     "Conversión a grados centesimales del ángulo de la pantalla, tomado en la unidad del modo "
     "angular actual; el modo no cambia. En modo deg: [90],[gra]  da como resultado 100. Si el "
     "modo ya es gra, el número no cambia. No está disponible en modo Hexadecimal."},
    {KeyId::toDegreesMinutesSeconds,
     "Convierte el ángulo de la pantalla, en grados con decimales, a grados, minutos y "
     "segundos, que aparecen en la línea de información y quedan anotados en el Historial; la "
     "pantalla principal conserva los grados. Ejemplo: [12,5],[gms]  da como resultado «12°  "
     "30'  0,00''». Si el modo angular es rad o gra, el ángulo se pasa antes a grados, y el "
     "modo pasa a deg. Un ángulo negativo da sus tres partes con signo. No está disponible en "
     "modo Hexadecimal."},
    {KeyId::dmsSeparator,
     "Separador de grados, minutos y segundos para la tecla g: escriba los grados, #, los "
     "minutos, # y los segundos, por ejemplo 12#29#60. Solo actúa mientras se escribe un "
     "número. No está disponible en modo Hexadecimal. TECLADO: las teclas  ' º '  o  ' ª '  "
     "realizan el mismo efecto."},
    {KeyId::fromDegreesMinutesSeconds,
     "Convierte grados, minutos y segundos, escritos con el separador #, a grados con "
     "decimales; el modo angular pasa a deg. Ejemplo: [12#29#60],[g]  da como resultado 12,5. "
     "Los segundos, y también los minutos, pueden faltar: [12#30],[g]  da como resultado 12,5. "
     "Las tres partes se escriben sin coma decimal: [1,5],[g]  da el mensaje «Error: Entrada no "
     "válida». No está disponible en modo Hexadecimal."},
    {KeyId::reduceAngle,
     "Reduce un ángulo de 360° o más a la primera vuelta, restándole las vueltas completas. "
     "Ejemplo: [1000],[red]  da como resultado 280. Un ángulo menor que 360, o negativo, da "
     "«Error: Angulo inferior a 360°»; uno de 2147483648 o más, «Error: Parada crítica». Como "
     "las vueltas se cuentan redondeando, un ángulo un poco menor que un múltiplo de 360 da un "
     "ángulo negativo equivalente: 719,6 da -0,4 (con los decimales que deja el cálculo). No "
     "está disponible en modo Hexadecimal."},

    // Number bases.
    {KeyId::decimalMode,
     "Modo Decimal: los números se escriben y se muestran en base 10. Es el modo con el que se "
     "abre la calculadora. Vuelve a activar las teclas que desactiva el modo Hexadecimal: la "
     "coma, EXP, F--E, las funciones de números reales, las constantes, los ángulos y la "
     "conversión de moneda."},
    {KeyId::hexadecimalMode,
     "Modo Hexadecimal: los números que se escriben son hexadecimales (base 16, cifras 0 a 9 y "
     "A a F) y la pantalla los muestra precedidos de &h. Las letras se escriben con las teclas "
     "A a F, que solo se activan en este modo, o con las letras mayúsculas del teclado. Las "
     "operaciones +, --, x, / y x^y trabajan con estos números y dan el resultado en decimal, "
     "que HEX vuelve a pasar a hexadecimal. Ejemplo: [Hexadecimal],[F],[F],[+],[1],[=],[HEX]  "
     "da como resultado 100. Este modo trabaja con números enteros: desactiva la coma, EXP, "
     "F--E, las funciones trigonométricas, logaritmos, potencias de 10 y de e, raíces e "
     "inverso, Int, Frac, Fix, π, 2π, rand, las constantes, las teclas de ángulos y la "
     "conversión de moneda."},
    {KeyId::toHex,
     "Convierte a hexadecimal el número de la pantalla. Ejemplo: [255],[HEX]  da como "
     "resultado FF. Convierte números enteros de hasta 9007199254740992 (2⁵³) en valor "
     "absoluto; un número negativo conserva su signo (-255 da -FF). Un número con decimales da "
     "«Error: Número no entero»; uno mayor, «Error: Número fuera de rango». TECLADO: la tecla  "
     "' H '  realiza el mismo efecto."},
    {KeyId::toOctal,
     "Convierte a octal (base 8) el número de la pantalla, decimal o hexadecimal según el modo. "
     "Ejemplo: [64],[OCT]  da como resultado 100, y [Hexadecimal],[F],[F],[OCT]  da como "
     "resultado 377. Convierte números enteros de hasta 9007199254740992 (2⁵³) en valor "
     "absoluto; un número con decimales da «Error: Número no entero» y uno mayor, «Error: "
     "Número fuera de rango». TECLADO: la tecla  ' O '  realiza el mismo efecto."},
    {KeyId::toDecimal,
     "Convierte a decimal el número hexadecimal de la pantalla, con o sin el prefijo &h: "
     "[Hexadecimal],[F],[F],[DEC]  da como resultado 255. Convierte hasta 20000000000000 "
     "hexadecimal (2⁵³); un número mayor da «Error: Número fuera de rango», y un texto que no "
     "es un número hexadecimal entero, «Error: Entrada no válida». TECLADO: la tecla  ' D '  "
     "realiza el mismo efecto; en modo Hexadecimal, la d minúscula, porque la D mayúscula "
     "escribe la cifra D."},

    // VAT and currency.
    {KeyId::vatAmount,
     "Cálculo del IVA del número de la pantalla con el tipo de IVA actual, el que muestra la "
     "pantalla IVA. Ejemplo, con el tipo del 16 %: [100],[IVA]  da como resultado 16. TECLADO: "
     "la tecla  ' V '  realiza el mismo efecto."},
    {KeyId::vatAdd,
     "Suma el IVA: convierte un precio sin IVA en el precio con IVA, con el tipo de IVA actual. "
     "Ejemplo, con el tipo del 16 %: [100],[+IVA]  da como resultado 116. TECLADO: la tecla  ' "
     "SHIFT + V '  realiza el mismo efecto."},
    {KeyId::vatRemove,
     "Resta el IVA: convierte un precio con IVA en el precio sin IVA, con el tipo de IVA "
     "actual. Ejemplo, con el tipo del 16 %: [116],[--IVA]  da como resultado 100. La Función "
     "muestra -IVA. TECLADO: la tecla  ' CTRL + V '  realiza el mismo efecto."},
    {KeyId::vatSetRate,
     "Redefinición del tipo de IVA: escriba el nuevo tipo, en tanto por ciento, y pulse d.IVA. "
     "La pantalla IVA lo muestra, las teclas IVA, +IVA y --IVA calculan con él desde ese "
     "momento y se conserva para las sesiones siguientes. Ejemplo: [21],[d.IVA],[100],[+IVA]  "
     "da como resultado 121. NOTA: No está permitido definir un valor de IVA superior a 100 "
     "(«Error: IVA superior al 100 %»), ni negativo («Error: IVA negativo»)."},
    {KeyId::currencyTo2,
     "Conversor de moneda: convierte el número de la pantalla de la primera moneda a la "
     "segunda, multiplicándolo por el factor de cambio. La tecla lleva el nombre de la moneda "
     "de destino. Los nombres de las dos monedas y el factor se fijan en Archivo, Preferencias; "
     "la barra de estado muestra el cambio actual, por ejemplo 1 euro = 166,386 pts, y con él "
     "100 euros son 16638,6 pts. Si no hay factor de cambio definido, da «Error: Parada "
     "crítica». No está disponible en modo Hexadecimal. TECLADO: la tecla  ' Q '  realiza el "
     "mismo efecto."},
    {KeyId::currencyTo1,
     "Conversor de moneda: convierte el número de la pantalla de la segunda moneda a la "
     "primera, dividiéndolo por el factor de cambio. La tecla lleva el nombre de la moneda de "
     "destino. Los nombres y el factor se fijan en Archivo, Preferencias; con 1 euro = 166,386 "
     "pts, 166,386 pts son 1 euro. Un factor de cambio sin definir o igual a 0 da «Error: "
     "Parada crítica». No está disponible en modo Hexadecimal. TECLADO: la tecla  ' W '  "
     "realiza el mismo efecto."},
};



// ---- Displays ----

constexpr std::string_view kStatusBar =
    "Barra de estado: la fecha, la hora, el estado de las teclas Bloq Mayús (MAYÚS) y Bloq Num "
    "(NUM), que se ven resaltados cuando están activados, un altavoz cuando los sonidos del "
    "programa están activados y el cambio de moneda actual (por ejemplo 1 euro = 166,386 pts), "
    "que se fija en Archivo, Preferencias.";

const DisplayHelpText kDisplays[] = {
    {"numero", "Pantalla principal",
     "Pantalla principal de datos: muestra el número que se está escribiendo o el último "
     "resultado, con la coma como separador decimal y la letra E ante el exponente (1,5E+20 "
     "es 1,5 por 10 elevado a 20). Los resultados se ajustan al número de decimales fijado con "
     "SET. En modo Hexadecimal los números escritos llevan delante &h. Después de un error "
     "muestra 0."},
    {"result", "Línea de información",
     "Línea de información: muestra el resultado parcial de las operaciones en curso, la vista "
     "exponencial de F--E, los grados, minutos y segundos de gms y los mensajes de error, que "
     "empiezan siempre por «Error: ». «Error: Parada crítica» indica un cálculo imposible "
     "(división por cero, un resultado mayor que 1,79769313486232E+308, un número no válido); "
     "los demás mensajes los da la propia tecla y explican el motivo. El mensaje desaparece al "
     "escribir la siguiente cifra o pulsar la siguiente tecla de función."},
    {"func", "Función",
     "Función: muestra la última operación o función realizada (+, =, sin, SET...). *** ERROR "
     "/ BORRADO *** indica que se ha pulsado AC o que un error ha borrado la calculadora; las "
     "funciones hiperbólicas se indican con una H final (sinH) y las teclas estadísticas con "
     "Estad."},
    {"dcm", "Decimales (Dec.)",
     "Pantalla de decimales (Dec.): el número de cifras decimales de los resultados, fijado con "
     "la tecla SET. Al abrir la calculadora es 15."},
    {"angulo", "Modo angular",
     "Pantalla de modo angular: rad (radianes), deg (grados sexagesimales) o gra (grados "
     "centesimales), la unidad en que las funciones trigonométricas toman y dan los ángulos. "
     "Se cambia con las teclas de modo rad, deg y gra; las teclas gms y g, y las de conversión "
     "de coordenadas, la pasan a deg. Al abrir la calculadora es deg."},
    {"ivas", "Tipo de IVA",
     "Pantalla IVA: el tipo de IVA actual, en tanto por ciento, con el que calculan las teclas "
     "IVA, +IVA y --IVA. Se cambia con la tecla d.IVA y se conserva entre sesiones; si no había "
     "ninguno definido, la calculadora toma el 16 %."},
    {"m1", "Memoria 1", {}},
    {"m2", "Memoria 2", {}},
    {"m3", "Memoria 3", {}},
    {"m4", "Memoria 4", {}},
    {"Image1", "Logotipo",
     "Logotipo de Numeralia. Al pulsarlo se abre la ventana Acerca de..., con la versión del "
     "programa y el lugar donde se guardan sus preferencias."},
    {"Image3", "Indicador de error",
     "Indicador de error: la cara sonríe mientras todo va bien, se asusta ante un cálculo "
     "imposible («Error: Parada crítica») y pone cara de duda cuando una tecla rechaza el número "
     "(cualquier otro mensaje «Error: ...»); si los sonidos están activados, el error suena "
     "además. Vuelve a sonreír al escribir la siguiente cifra o al pulsar AC."},
    {"Combo1", "Lista del Historial",
     "Lista del Historial, que muestra y oculta la tecla << Historial >>: los números que ha "
     "mostrado la pantalla principal y, sangradas, las funciones pulsadas, hasta 500 "
     "anotaciones. Al elegir una línea, su número vuelve a la pantalla principal y la lista se "
     "oculta."},
    {"dataX", "Pantalla auxiliar de datos X",
     "Pantalla auxiliar de Datos Gris de los datos X: cada dato introducido con «  X, numerado "
     "(1)    2,5). Al borrar un dato, los siguientes se renumeran. Los mismos datos muestran el "
     "Gráfico-EST. y la impresión de Estadística."},
    {"dataY", "Pantalla auxiliar de datos Y",
     "Pantalla auxiliar de Datos Gris de los datos Y o frecuencias: cada dato introducido con "
     "Y  », numerado. El dato Y de un número forma pareja con el dato X del mismo número."},
    {"num", "Número de datos (N)",
     "Número de Datos Estadísticos almacenados: el mayor de los dos recuentos, el de los datos "
     "X y el de los datos Y. Cada lista admite hasta 200 datos."},
    {"blueDisplay", "Pantalla auxiliar azul",
     "Pantalla auxiliar azul. Aparece cuando se usa una de las teclas de ecuaciones y "
     "herramientas numéricas: (x,y), m,Ø, abc, Div, Fact, V m,n, VR m,n, C m,n, CR m,n, S.Ec, "
     "intp, µeff y Tem. La lista izquierda muestra los datos (en las conversiones de "
     "coordenadas, las cartesianas) y la derecha los resultados (las polares). Cada "
     "herramienta empieza borrando lo que mostraba la anterior; la tecla C que está a su lado "
     "la borra y la oculta."},
    {"statusDate", "Barra de estado", kStatusBar},
    {"statusTime", "Barra de estado", kStatusBar},
    {"statusCaps", "Barra de estado", kStatusBar},
    {"statusNum", "Barra de estado", kStatusBar},
    {"statusSound", "Barra de estado", kStatusBar},
    {"statusCurrency", "Barra de estado", kStatusBar},
};

// ---- Menu entries ----

const MenuHelpText kMenus[] = {
    {"Abrir Est.",
     "Abre un archivo de datos estadísticos (extensión .DAT; el diálogo empieza en la carpeta de "
     "documentos): sus "
     "datos X e Y pasan a las pantallas auxiliares de datos grises y a las teclas estadísticas. "
     "Si la calculadora ya tiene datos, pregunta antes de sustituirlos. El archivo se lee "
     "entero o no se lee: si tiene algún fallo, un mensaje indica la línea y el motivo, y los "
     "datos actuales no cambian."},
    {"Gráfico-EST.",
     "Gráfico de los datos estadísticos: en una ventana aparte muestra la distribución "
     "unidimensional de los datos X y la de los datos Y (o, a elección, la de X con sus "
     "frecuencias en los datos Y), y la distribución bidimensional de los pares (X, Y) con la "
     "recta de regresión, su ecuación y r². Se vuelve a dibujar con cada tecla mientras está "
     "abierta, y sus gráficos pueden guardarse como imagen PNG o SVG."},
    {"Guardar Est.",
     "Guarda los datos estadísticos X e Y en un archivo de texto (extensión .DAT), que Abrir Est. vuelve a leer con todas sus cifras. Sin datos, lo "
     "indica y no guarda nada."},
    {"Estadística",
     "Imprime la tabla de datos estadísticos X e Y y los resultados estadísticos (sumas, "
     "medias, desviaciones, regresión, área) en la impresora predeterminada; si no hay "
     "ninguna, guarda un documento PDF e indica dónde."},
    {"Historial",
     "Imprime el Historial: una copia impresa de los Registros acumulados hasta el momento, en "
     "la impresora predeterminada; si no hay ninguna, guarda un documento PDF e indica dónde."},
    {"Normal",
     "Cambia a la calculadora Normal, más sencilla: se cierra esta ventana, con su pantalla, la "
     "operación en curso y el Historial, y se abre la Normal. Las memorias, las Memorias de "
     "Tránsito, el IVA y las monedas se conservan. El Menú de Programas abrirá desde entonces "
     "la calculadora Normal, también en las sesiones siguientes."},
    {"Científica",
     "Calculadora Científica, el modelo de esta ventana, que queda marcado en el menú: elegirla "
     "no cambia nada, salvo recordarla como el modelo que abrirá el Menú de Programas."},
    {"Preferencias",
     "Abre la ventana de Preferencias: los nombres de las dos monedas del conversor de moneda, "
     "el factor de cambio entre ellas y la activación de los sonidos del programa. Originales "
     "vuelve a los valores de fábrica (euro, pts, 166,386 y sonidos activados), Guardar "
     "conserva los cambios y Cancelar los deshace."},
    {"Alarma",
     "Abre la Alarma: un despertador que avisa a la hora programada con Set; el aviso puede "
     "pararse o posponerse cinco minutos. TECLADO: CTRL + A."},
    {"Conversión",
     "Abre las Conversiones Numéricas de Magnitudes Físicas: los factores de conversión entre "
     "las unidades de 30 magnitudes, que pueden pasarse a la calculadora a través de las "
     "Memorias de Tránsito R1 a R3. TECLADO: CTRL + C."},
    {"Operaciones Bancarias",
     "Abre las Operaciones Bancarias: préstamos, depósitos a plazo fijo y planes de ahorro, "
     "con su tabla mes a mes. Sus tres resultados pasan a las Memorias de Tránsito R1 a R3. TECLADO: CTRL + O."},
    {"Tabla Periodica",
     "Abre la Tabla Periódica de los elementos, con la ficha de cada elemento y la calculadora "
     "de pesos moleculares. TECLADO: CTRL + T."},
    {"Simulador Loto",
     "Abre el Simulador Loto: apuestas de 6 números entre 49, al azar o marcadas a mano, con la "
     "probabilidad de acertar 6, 5, 4 y 3 números, y un sorteo simulado. TECLADO: CTRL + S."},
    {"A&yuda",
     "Abre esta ventana de Ayuda: pulsando cualquier tecla, pantalla u opción de menú de la "
     "calculadora dibujada aquí, este cuadro explica qué hace. El campo Buscar encuentra las "
     "teclas por su nombre o por las palabras de su explicación (CTRL + F lleva a él). En la "
     "calculadora Normal la abre también la tecla F1."},
    {"A&cerca de...",
     "Muestra la ventana Acerca de...: la versión del programa, lo que contiene y el lugar "
     "donde se guardan las preferencias. También la abre el logotipo de la calculadora."},
};

}  // namespace

std::span<const KeyHelpText> keyHelpTexts() {
    static const std::vector<KeyHelpText> all = [] {
        std::vector<KeyHelpText> rows(std::begin(kKeys), std::end(kKeys));
        const std::span<const KeyHelpText> tools = toolKeyHelpTexts();
        rows.insert(rows.end(), tools.begin(), tools.end());
        return rows;
    }();
    return all;
}
std::span<const DisplayHelpText> displayHelpTexts() { return kDisplays; }
std::span<const MenuHelpText> menuHelpTexts() { return kMenus; }

}  // namespace numeralia::calc

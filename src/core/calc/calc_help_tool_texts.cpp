// The texts of the Help window for the statistics keys, the equation solvers and number tools,
// and the reserved keys: the rows that end the key texts of calc_help_texts.cpp (see
// calc_help_texts.h for the form of the worked examples).

#include <string>

#include "core/calc/calc_help_texts.h"

namespace numeralia::calc {

namespace {

constexpr std::string_view kReserved =
    "Botones reservados para futuras aplicaciones / ampliaciones de la Calculadora.";

// What the four counting keys share: how m and n are typed, the limits and the messages.
constexpr std::string_view kCountingEntry =
    " m y n se escriben juntos como un solo número m,n: la parte entera es m y las cifras "
    "que siguen a la coma son n. Un n de dos cifras se escribe con sus dos cifras tras la "
    "coma: 20 elementos tomados de 10 en 10 se escribe 20,10 (20,1 sería n = 1). m y n son "
    "enteros de 0 a 9007199254740992; un número negativo o escrito con exponente se rechaza "
    "(«Error: Número negativo», «Error: Entrada no válida»). El resultado es exacto mientras "
    "cabe en las 15 cifras de la pantalla, y si no, el valor exacto redondeado una sola vez; "
    "la pantalla auxiliar azul muestra siempre todas sus cifras. Un resultado mayor que "
    "1,79769313486232E+308 da «Error: Número fuera de rango».";

// Defined before the key table, which points into them.
const std::string kVariations =
    std::string("Variaciones sin repetición de m elementos tomados de n en n: "
                "V = m·(m−1)·…·(m−n+1). Ejemplo: [6,4],[V m,n]  da como resultado 360. n no "
                "puede ser mayor que m («Error: n mayor que m»).") +
    std::string(kCountingEntry);
const std::string kVariationsWithRepetition =
    std::string("Variaciones con repetición de m elementos tomados de n en n: VR = m^n. "
                "Ejemplo: [6,4],[VR m,n]  da como resultado 1296. n puede ser mayor que m.") +
    std::string(kCountingEntry);
const std::string kCombinations =
    std::string("Combinaciones sin repetición de m elementos tomados de n en n: "
                "C = m! / (n!·(m−n)!). Ejemplo: [6,4],[C m,n]  da como resultado 15, y "
                "[60,30],[C m,n]  da como resultado 1,18264581564861E+17, con el valor exacto "
                "118264581564861424 en la pantalla azul. n no puede ser mayor que m («Error: n "
                "mayor que m»).") +
    std::string(kCountingEntry);
const std::string kCombinationsWithRepetition =
    std::string("Combinaciones con repetición de m elementos tomados de n en n: "
                "CR = V(m+n−1, n) / n!. Ejemplo: [6,4],[CR m,n]  da como resultado 126. n puede "
                "ser mayor que m.") +
    std::string(kCountingEntry);


// ---- Keys ----

const KeyHelpText kToolKeys[] = {
    // Statistics and polygon area.
    {KeyId::statEnterX,
     "Introducción de datos estadísticos X: añade el número de la pantalla principal a la "
     "lista de datos X, que lo muestra numerado en la pantalla auxiliar de datos gris de la "
     "izquierda; la pantalla N cuenta los datos, la línea de información repite el número y la "
     "pantalla principal vuelve a 0 para el siguiente. Ejemplo: [2],[«  X],[4],[«  X],[X m]  "
     "da como resultado 3. Se pueden almacenar hasta un máximo de 200 entradas de Datos X; la "
     "siguiente da «Error: Parada crítica» y no se guarda. Los datos se conservan mientras el "
     "programa está abierto, también al cambiar de calculadora, y Archivo, Guardar Est. los "
     "guarda en un archivo. TECLADO: la tecla  ' X '  realiza el mismo efecto."},
    {KeyId::statEnterY,
     "Introducción de datos estadísticos Y o de frecuencias: añade el número de la pantalla "
     "principal a la lista de datos Y, que lo muestra numerado en la pantalla auxiliar de datos "
     "gris de la derecha. Cada dato Y forma pareja con el dato X del mismo número (Σ xy, "
     "regresión lineal, Area, intp), o es la frecuencia de ese dato X (las teclas X m y σ X n "
     "de la fila de las frecuencias). Ejemplo: [4],[Y  »],[6],[Y  »],[Y m]  da como resultado "
     "5. Se pueden almacenar hasta un máximo de 200 entradas de Datos Y; la siguiente da "
     "«Error: Parada crítica» y no se guarda. TECLADO: la tecla  ' Y '  realiza el mismo "
     "efecto."},
    {KeyId::statSumX,
     "Funciones estadísticas para X: sumatoria de los datos X, Σ x. Ejemplo: "
     "[2],[«  X],[4],[«  X],[Σ x]  da como resultado 6. Sin datos da 0. La línea de "
     "información no cambia."},
    {KeyId::statSumY,
     "Funciones estadísticas para Y: sumatoria de los datos Y, Σ y. Ejemplo: "
     "[4],[Y  »],[6],[Y  »],[Σ y]  da como resultado 10. Sin datos da 0. La línea de "
     "información no cambia."},
    {KeyId::statSumXY,
     "Funciones estadísticas para XY: sumatoria de los productos de cada dato X por el dato Y "
     "del mismo número, Σ x·y. Ejemplo, con X = 1, 2, 3 e Y = 4, 5, 6: "
     "[1],[«  X],[2],[«  X],[3],[«  X],[4],[Y  »],[5],[Y  »],[6],[Y  »],[Σ xy]  da como "
     "resultado 32. Las dos listas han de tener el mismo número de datos; si no, da «Error: los "
     "datos no coinciden». Sin datos da 0."},
    {KeyId::statDeleteEntry,
     "Borrado de un dato: escriba su número k y pulse la tecla. Se borra el dato k de las dos "
     "listas, X e Y (de la que lo tenga, si una es más corta), los siguientes avanzan un puesto "
     "y se renumeran, y las sumas se corrigen. Ejemplo: "
     "[10],[«  X],[20],[«  X],[30],[«  X],[2],[ Borrar dato nº],[Σ x]  da como resultado 40. "
     "Un número mayor que el de la pantalla N, 0, negativo o con decimales no borra nada: "
     "[1],[«  X],[5],[ Borrar dato nº]  da el mensaje «Error: Dato Nº 5 no valido»."},
    {KeyId::statClear,
     "Borrado de todos los datos estadísticos: vacía las listas X e Y y las pantallas "
     "auxiliares de datos grises, pone a 0 las sumas y la pantalla N, y deja 0 en la pantalla "
     "principal y en la línea de información. Para conservar los datos antes, use Archivo, "
     "Guardar Est."},
    {KeyId::statSumX2,
     "Funciones estadísticas para X: sumatoria de los cuadrados de los datos X, Σ x². Ejemplo: "
     "[2],[«  X],[4],[«  X],[Σ x²]  da como resultado 20. Sin datos da 0."},
    {KeyId::statMeanX,
     "Funciones estadísticas para X: media de los datos X, Σ x / N. Ejemplo: "
     "[2],[«  X],[4],[«  X],[X m]  da como resultado 3. Sin datos da «Error: No hay datos "
     "estadísticos»."},
    {KeyId::statDeviationX,
     "Funciones estadísticas para X: desviación estándar de la población X, la raíz de la "
     "media de los cuadrados de las diferencias con la media (divisor N). Ejemplo: "
     "[2],[«  X],[4],[«  X],[σ x n]  da como resultado 1. Sin datos da «Error: No hay datos "
     "estadísticos»."},
    {KeyId::statSampleDeviationX,
     "Funciones estadísticas para X: desviación estándar de la muestra X, con divisor N − 1, "
     "la que estima la desviación de una población a partir de una muestra. Ejemplo: "
     "[2],[«  X],[4],[«  X],[σ x n-1]  da como resultado 1,4142135623731. Necesita al menos "
     "dos datos: con uno da «Error: Se necesitan al menos 2 datos», y sin datos «Error: No hay "
     "datos estadísticos»."},
    {KeyId::statSumY2,
     "Funciones estadísticas para Y: sumatoria de los cuadrados de los datos Y, Σ y². Ejemplo: "
     "[4],[Y  »],[6],[Y  »],[Σ y²]  da como resultado 52. Sin datos da 0."},
    {KeyId::statMeanY,
     "Funciones estadísticas para Y: media de los datos Y, Σ y / N. Ejemplo: "
     "[4],[Y  »],[6],[Y  »],[Y m]  da como resultado 5. Sin datos da «Error: No hay datos "
     "estadísticos»."},
    {KeyId::statDeviationY,
     "Funciones estadísticas para Y: desviación estándar de la población Y (divisor N). "
     "Ejemplo: [4],[Y  »],[6],[Y  »],[σ y n]  da como resultado 1. Sin datos da «Error: No hay "
     "datos estadísticos»."},
    {KeyId::statSampleDeviationY,
     "Funciones estadísticas para Y: desviación estándar de la muestra Y (divisor N − 1). "
     "Ejemplo: [4],[Y  »],[6],[Y  »],[σ y n-1]  da como resultado 1,4142135623731. Necesita al "
     "menos dos datos: con uno da «Error: Se necesitan al menos 2 datos», y sin datos «Error: "
     "No hay datos estadísticos»."},
    {KeyId::statCount,
     "Población: el número de datos estadísticos, el mayor de los dos recuentos (X e Y), el "
     "mismo que muestra la pantalla N. Ejemplo: [2],[«  X],[4],[«  X],[7],[Y  »],[N]  da como "
     "resultado 2."},
    {KeyId::statWeightedMeanX,
     "Funciones estadísticas para XY: valor medio de X con sus frecuencias. Cada dato X cuenta "
     "tantas veces como indica el dato Y del mismo número: Σ(n·x) / Σn. Ejemplo, el 1 tres "
     "veces y el 5 una: [1],[«  X],[3],[Y  »],[5],[«  X],[1],[Y  »],[X m]  da como resultado "
     "2. Mensajes: «Error: los datos no coinciden» si las dos listas no tienen el mismo número "
     "de datos, «Error: Frecuencia negativa en los datos Y», «Error: La suma de las "
     "frecuencias es 0» y, sin datos, «Error: No hay datos estadísticos»."},
    {KeyId::statWeightedDeviationX,
     "Funciones estadísticas para XY: desviación típica de X con sus frecuencias, los datos Y "
     "del mismo número: √(Σ n·(x − media)² / Σn). Ejemplo, el 1 tres veces y el 5 una: "
     "[1],[«  X],[3],[Y  »],[5],[«  X],[1],[Y  »],[σ X n]  da como resultado "
     "1,73205080756888. Mensajes: «Error: los datos no coinciden», «Error: Frecuencia negativa "
     "en los datos Y», «Error: La suma de las frecuencias es 0» y «Error: No hay datos "
     "estadísticos»."},
    {KeyId::statSlope,
     "Regresión lineal: coeficiente de X, la pendiente a de la recta de mínimos cuadrados "
     "y = a·x + b que mejor se ajusta a los pares de datos (X, Y). Ejemplo, con los puntos "
     "(1, 3) y (2, 5): [1],[«  X],[3],[Y  »],[2],[«  X],[5],[Y  »],[a]  da como resultado 2. "
     "Mensajes: «Error: los datos no coinciden» (distinto número de datos X e Y), «Error: "
     "Todos los datos X son iguales» (recta vertical) y, sin datos, «Error: No hay datos "
     "estadísticos»."},
    {KeyId::statIntercept,
     "Regresión lineal: ordenada en el origen, el término b de la recta de mínimos cuadrados "
     "y = a·x + b. Ejemplo, con los puntos (1, 3) y (2, 5): "
     "[1],[«  X],[3],[Y  »],[2],[«  X],[5],[Y  »],[b]  da como resultado 1. Mensajes: «Error: "
     "los datos no coinciden», «Error: Todos los datos X son iguales» y «Error: No hay datos "
     "estadísticos»."},
    {KeyId::statDetermination,
     "Regresión lineal: coeficiente crítico r², el cuadrado del coeficiente de correlación "
     "lineal, entre 0 y 1; cuanto más cerca de 1, mejor se ajustan los puntos a la recta. "
     "Ejemplo, con los puntos (1, 1), (2, 3) y (3, 2): "
     "[1],[«  X],[1],[Y  »],[2],[«  X],[3],[Y  »],[3],[«  X],[2],[Y  »],[r ²]  da como "
     "resultado 0,25. Mensajes: «Error: los datos no coinciden», «Error: Todos los datos X son "
     "iguales», «Error: Todos los datos Y son iguales» y «Error: No hay datos estadísticos»."},
    {KeyId::statEstimateX,
     "Regresión lineal: valor estimado de X para el valor de Y escrito en la pantalla, según "
     "la recta de mínimos cuadrados: x = (y − b) / a. Ejemplo, con los puntos (1, 3) y (2, 5), "
     "para y = 7: [1],[«  X],[3],[Y  »],[2],[«  X],[5],[Y  »],[7],[EoX]  da como resultado 3. "
     "Una recta horizontal no da ningún valor: «Error: Pendiente nula (a = 0)». Otros "
     "mensajes: «Error: los datos no coinciden», «Error: Todos los datos X son iguales» y "
     "«Error: No hay datos estadísticos»."},
    {KeyId::statEstimateY,
     "Regresión lineal: valor estimado de Y para el valor de X escrito en la pantalla, según "
     "la recta de mínimos cuadrados: y = a·x + b. Ejemplo, con los puntos (1, 3) y (2, 5), "
     "para x = 4: [1],[«  X],[3],[Y  »],[2],[«  X],[5],[Y  »],[4],[EoY]  da como resultado 9. "
     "Mensajes: «Error: los datos no coinciden», «Error: Todos los datos X son iguales» y "
     "«Error: No hay datos estadísticos»."},
    {KeyId::polygonArea,
     "Área de un polígono por el método de los trapecios: los vértices son los pares (X, Y) de "
     "los datos estadísticos, en el orden en que se introdujeron. Los vértices han de "
     "introducirse en el orden en que se dibujaría el polígono sin levantar el lápiz del "
     "papel, empezando por cualquiera de ellos; el último se une al primero. Ejemplo, el "
     "triángulo (0, 0), (4, 0), (0, 3): "
     "[0],[«  X],[0],[Y  »],[4],[«  X],[0],[Y  »],[0],[«  X],[3],[Y  »],[Area]  da como "
     "resultado 6. Mensajes: «Error: Un polígono necesita al menos 3 vértices», «Error: los "
     "datos no coinciden» y «Error: No hay datos estadísticos»."},

    // Equation solvers and number tools.
    {KeyId::complexRectangular,
     "Conversión de coordenadas cartesianas a polares. Escriba x y pulse (x,y); escriba y y "
     "pulse (x,y) de nuevo. La pantalla auxiliar azul muestra x e y en la lista izquierda "
     "(Coord. Rectangulares) y el módulo m y el ángulo Ø en grados en la derecha (Coord. "
     "Polares), con ocho decimales. Cuando el ángulo es negativo (x positivo, y negativo) se "
     "da antes también su valor más 360°. La calculadora pasa al modo de grados "
     "sexagesimales (deg) y sigue en él. Ejemplo: [1],[(x,y)],[2],[(x,y)]  da como resultado "
     "«m = 2,23606798» y Ø = 63,43494882 °. Un número no válido da «Error: Parada crítica» y "
     "no se guarda: basta escribirlo de nuevo."},
    {KeyId::complexPolar,
     "Conversión de coordenadas polares a cartesianas. Escriba el módulo m y pulse m,Ø; "
     "escriba el ángulo Ø en grados sexagesimales y pulse m,Ø de nuevo. La pantalla auxiliar "
     "azul muestra m y Ø en la lista derecha (Coord. Polares) y x e y en la izquierda (Coord. "
     "Rectangulares), con ocho decimales. La calculadora pasa al modo de grados "
     "sexagesimales (deg) y sigue en él. Ejemplo: [1],[m,Ø],[45],[m,Ø]  da como resultado "
     "«x = 0,70710678» e y = 0,70710678 i."},
    {KeyId::blueDisplayClear,
     "Borra la pantalla auxiliar azul y la oculta. Anula también los datos introducidos de "
     "una conversión de coordenadas, de una ecuación (abc) o de una división (Div) que no se "
     "haya terminado, y pone 0 en la pantalla principal."},
    {KeyId::quadraticEquation,
     "Resolución de la ecuación de segundo grado a·x² + b·x + c = 0. Escriba a y pulse abc, "
     "escriba b y pulse abc, escriba c y pulse abc. Ejemplo, 2x² + 5x − 3 = 0: "
     "[2],[abc],[5],[abc],[3],[±],[abc]  da como resultado «x1 = 0,5» y x2 = -3. Una raíz doble "
     "se muestra como x1 = x2; con discriminante negativo se muestran las dos raíces complejas "
     "x1 = p + q i y x2 = p − q i. Con a = 0 se resuelve la ecuación de primer grado "
     "b·x + c = 0. Si a y b son nulos, b se rechaza con «Error: a y b no pueden ser nulos a la "
     "vez» y puede escribirse otro valor. Las raíces aparecen en la pantalla auxiliar azul."},
    {KeyId::integerDivision,
     "Cociente y resto de una división entera. Escriba el dividendo y pulse Div; escriba el "
     "divisor y pulse Div. Ejemplo: [6],[Div],[4],[Div]  da como resultado «Cociente = 1» y "
     "resto 2. Los dos números han de ser enteros de valor absoluto no mayor que "
     "9007199254740992 (2⁵³), y el resultado es exacto. El resto nunca es negativo: "
     "[7],[±],[Div],[2],[Div]  da como resultado «Cociente = -4» y resto 1. Mensajes: «Error: "
     "Número no entero», «Error: Número fuera de rango» y «Error: División por cero»; el "
     "número rechazado puede escribirse de nuevo."},
    {KeyId::factorization,
     "Descomposición en factores primos de un número entero de 2 a 9007199254740992 (2⁵³). "
     "Ejemplo: [25428],[Fact]  da como resultado «25428 = 2² · 3 · 13 · 163»; la lista derecha "
     "de la pantalla auxiliar azul muestra cada factor con su exponente. Un número primo se "
     "indica como tal. Cualquier número del intervalo se descompone al instante. Mensajes: "
     "«Error: Número no entero», «Error: Número menor que 2» y «Error: Número fuera de "
     "rango»."},
    {KeyId::variations, kVariations},
    {KeyId::variationsWithRepetition, kVariationsWithRepetition},
    {KeyId::combinations, kCombinations},
    {KeyId::combinationsWithRepetition, kCombinationsWithRepetition},
    {KeyId::linearSystem,
     "Resolución de sistemas de n ecuaciones lineales con n incógnitas, n de 2 a 10: "
     "Ai1·X1 + Ai2·X2 + … + Ain·Xn = Ki. Pulse S.Ec; en la ventana que se abre elija el "
     "número de ecuaciones y escriba en cada fila los coeficientes y el término independiente "
     "K (un campo vacío vale 0; la coma o el punto separan los decimales; Tab pasa al campo "
     "siguiente, Intro acepta, Esc cancela). El sistema se resuelve por eliminación de Gauss "
     "con pivote parcial: la pantalla auxiliar azul muestra las ecuaciones a la izquierda y "
     "X1 … Xn a la derecha. La ventana ofrece la vez siguiente el último sistema escrito, "
     "para corregirlo o cambiar solo algunos términos. Un sistema sin solución única, o tan "
     "cercano a uno de ellos que su solución no sería fiable, se rechaza con «Error: Sistema "
     "sin solución única»; un campo que no es un número, con «Error: Coeficiente no válido»."},
    {KeyId::interpolation,
     "Interpolación polinómica de Lagrange por los puntos (X, Y) de los datos estadísticos: "
     "cada dato X con el dato Y del mismo número. Escriba x y pulse intp: la pantalla "
     "principal muestra el valor de y estimado en x. Con n puntos el polinomio es de grado "
     "n − 1: con los cuatro puntos (0, 0), (1, 1), (2, 8), (3, 27) de x³, "
     "[0],[«  X],[0],[Y  »],[1],[«  X],[1],[Y  »],[2],[«  X],[8],[Y  »],[3],[«  X],[27],"
     "[Y  »],[2,5],[intp]  da como resultado 15,625. Mensajes: «Error: los datos no "
     "coinciden» (distinto número de datos X e Y), «Error: Se necesitan al menos 2 puntos» y "
     "«Error: Valores de X repetidos»."},
    {KeyId::magneticMoment,
     "Momento magnético efectivo de espín, en magnetones de Bohr (BM): µeff = √(n·(n + 2)), "
     "siendo n el número de electrones desapareados, un entero de 0 a 7 (el máximo de la "
     "capa f). Ejemplo: [3],[µeff]  da como resultado 3,87298334620742. Otros valores dan "
     "«Error: n entero de 0 a 7»."},
    {KeyId::temperature,
     "Conversor de temperaturas entre Kelvin, Celsius y Fahrenheit. Escriba la temperatura y "
     "pulse Tem; en la ventana que se abre elija la conversión pulsando su número (1 a 6) o "
     "con las flechas e Intro; la ventana propone la última conversión elegida. Fórmulas: "
     "TK = TC + 273,15; TK = 5/9·(TF + 459,67); TC = 5/9·(TF − 32); TC = TK − 273,15; "
     "TF = 9/5·TC + 32; TF = 9/5·TK − 459,67. Ejemplo: 25, Tem, Celsius → Fahrenheit da 77. "
     "Una temperatura inferior al cero absoluto (0 K, −273,15 °C, −459,67 °F) da «Error: "
     "Temperatura inferior al cero absoluto»."},
    {KeyId::reserved1, kReserved},
    {KeyId::reserved2, kReserved},
};

}  // namespace

std::span<const KeyHelpText> toolKeyHelpTexts() { return kToolKeys; }

}  // namespace numeralia::calc

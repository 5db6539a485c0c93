#include "core/calc/solver_help.h"

#include <string>
#include <utility>
#include <vector>

namespace numeralia::calc {

namespace {

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

const std::vector<std::pair<KeyId, std::string>>& texts() {
    static const std::vector<std::pair<KeyId, std::string>> table = {
        {KeyId::complexRectangular,
         "Conversión de coordenadas cartesianas a polares. Escriba x y pulse (x,y); escriba y y "
         "pulse (x,y) de nuevo. La pantalla auxiliar azul muestra x e y en la lista izquierda "
         "(Coord. Rectangulares) y el módulo m y el ángulo Ø en grados en la derecha (Coord. "
         "Polares), con ocho decimales. Cuando el ángulo es negativo (x positivo, y negativo) se "
         "da antes también su valor más 360°. La calculadora pasa al modo de grados "
         "sexagesimales (deg) y sigue en él. Ejemplo: 1 (x,y) 2 (x,y) da m = 2,23606798 y "
         "Ø = 63,43494882 °. Un número no válido da «Error: Parada crítica» y no se guarda: basta "
         "escribirlo de nuevo."},
        {KeyId::complexPolar,
         "Conversión de coordenadas polares a cartesianas. Escriba el módulo m y pulse m,Ø; "
         "escriba el ángulo Ø en grados sexagesimales y pulse m,Ø de nuevo. La pantalla auxiliar "
         "azul muestra m y Ø en la lista derecha (Coord. Polares) y x e y en la izquierda (Coord. "
         "Rectangulares), con ocho decimales. La calculadora pasa al modo de grados "
         "sexagesimales (deg) y sigue en él. Ejemplo: 1 m,Ø 45 m,Ø da x = 0,70710678 e "
         "y = 0,70710678 i."},
        {KeyId::blueDisplayClear,
         "Borra la pantalla auxiliar azul y la oculta. Anula también los datos introducidos de "
         "una conversión de coordenadas, de una ecuación (abc) o de una división (Div) que no se "
         "haya terminado, y pone 0 en la pantalla principal."},
        {KeyId::quadraticEquation,
         "Resolución de la ecuación de segundo grado a·x² + b·x + c = 0. Escriba a y pulse abc, "
         "escriba b y pulse abc, escriba c y pulse abc. Ejemplo: 2 abc 5 abc −3 abc "
         "(2x² + 5x − 3 = 0) da x1 = 0,5 y x2 = -3. Una raíz doble se muestra como x1 = x2; con "
         "discriminante negativo se muestran las dos raíces complejas x1 = p + q i y "
         "x2 = p − q i. Con a = 0 se resuelve la ecuación de primer grado b·x + c = 0. Si a y b "
         "son nulos, b se rechaza con «Error: a y b no pueden ser nulos a la vez» y puede "
         "escribirse otro valor. Las raíces aparecen en la pantalla auxiliar azul."},
        {KeyId::integerDivision,
         "Cociente y resto de una división entera. Escriba el dividendo y pulse Div; escriba el "
         "divisor y pulse Div. Ejemplo: 6 Div 4 Div da cociente 1 y resto 2. Los dos números "
         "han de ser enteros de valor absoluto no mayor que 9007199254740992 (2⁵³), y el "
         "resultado es exacto. El resto nunca es negativo: −7 Div 2 Div da cociente -4 y resto 1. "
         "Mensajes: «Error: Número no entero», «Error: Número fuera de rango» y «Error: División "
         "por cero»; el número rechazado puede escribirse de nuevo."},
        {KeyId::factorization,
         "Descomposición en factores primos de un número entero de 2 a 9007199254740992 (2⁵³). "
         "Ejemplo: 25428 Fact da 25428 = 2² · 3 · 13 · 163; la lista derecha de la pantalla "
         "auxiliar azul muestra cada factor con su exponente. Un número primo se indica como tal. "
         "Cualquier número del intervalo se descompone al instante. Mensajes: «Error: Número no "
         "entero», «Error: Número menor que 2» y «Error: Número fuera de rango»."},
        {KeyId::variations,
         "Variaciones sin repetición de m elementos tomados de n en n: "
         "V = m·(m−1)·…·(m−n+1). Ejemplo: 6,4 V m,n da 360. n no puede ser mayor que m "
         "(«Error: n mayor que m»)." +
             std::string(kCountingEntry)},
        {KeyId::variationsWithRepetition,
         "Variaciones con repetición de m elementos tomados de n en n: VR = m^n. Ejemplo: "
         "6,4 VR m,n da 1296. n puede ser mayor que m." +
             std::string(kCountingEntry)},
        {KeyId::combinations,
         "Combinaciones sin repetición de m elementos tomados de n en n: "
         "C = m! / (n!·(m−n)!). Ejemplo: 6,4 C m,n da 15; 60,30 C m,n da "
         "1,18264581564861E+17, y la pantalla azul, el valor exacto 118264581564861424. n no "
         "puede ser mayor que m («Error: n mayor que m»)." +
             std::string(kCountingEntry)},
        {KeyId::combinationsWithRepetition,
         "Combinaciones con repetición de m elementos tomados de n en n: "
         "CR = V(m+n−1, n) / n!. Ejemplo: 6,4 CR m,n da 126. n puede ser mayor que m." +
             std::string(kCountingEntry)},
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
         "n − 1: los cuatro puntos (0, 0), (1, 1), (2, 8), (3, 27) dan para x = 2,5 el valor "
         "15,625 de x³. Mensajes: «Error: los datos no coinciden» (distinto número de datos X e "
         "Y), «Error: Se necesitan al menos 2 puntos» y «Error: Valores de X repetidos»."},
        {KeyId::magneticMoment,
         "Momento magnético efectivo de espín, en magnetones de Bohr (BM): µeff = √(n·(n + 2)), "
         "siendo n el número de electrones desapareados, un entero de 0 a 7 (el máximo de la "
         "capa f). Ejemplo: 3 µeff da 3,87298334620742. Otros valores dan «Error: n entero de 0 "
         "a 7»."},
        {KeyId::temperature,
         "Conversor de temperaturas entre Kelvin, Celsius y Fahrenheit. Escriba la temperatura y "
         "pulse Tem; en la ventana que se abre elija la conversión pulsando su número (1 a 6) o "
         "con las flechas e Intro; la ventana propone la última conversión elegida. Fórmulas: "
         "TK = TC + 273,15; TK = 5/9·(TF + 459,67); TC = 5/9·(TF − 32); TC = TK − 273,15; "
         "TF = 9/5·TC + 32; TF = 9/5·TK − 459,67. Ejemplo: 25, Tem, Celsius → Fahrenheit da 77. "
         "Una temperatura inferior al cero absoluto (0 K, −273,15 °C, −459,67 °F) da «Error: "
         "Temperatura inferior al cero absoluto»."},
        {KeyId::reserved1,
         "Botones reservados para futuras aplicaciones / ampliaciones de la Calculadora."},
        {KeyId::reserved2,
         "Botones reservados para futuras aplicaciones / ampliaciones de la Calculadora."},
        {KeyId::factorial,
         "Factorial: n! = 1·2·3·…·n de un número entero n de 0 a 170 (0! = 1). El resultado es "
         "el valor exacto redondeado una sola vez, exacto mientras cabe en las 15 cifras de la "
         "pantalla: 100 ! da 9,33262154439442E+157. Mensajes: «Error: Número negativo», «Error: "
         "Número no "
         "entero» y, por encima de 170, «Error: Número fuera de rango». TECLADO: la tecla  ' N '  "
         "realiza el mismo efecto."},
    };
    return table;
}

}  // namespace

std::string_view solverHelpText(KeyId id) {
    for (const auto& [key, text] : texts()) {
        if (key == id) return text;
    }
    return {};
}

std::string_view blueDisplayHelpText() {
    return "Pantalla auxiliar azul. Aparece cuando se usa una de las teclas de ecuaciones y "
           "herramientas numéricas: (x,y), m,Ø, abc, Div, Fact, V m,n, VR m,n, C m,n, CR m,n, "
           "S.Ec, intp, µeff y Tem. La lista izquierda muestra los datos (en las conversiones "
           "de coordenadas, las cartesianas) y la derecha los resultados (las polares). Cada "
           "herramienta empieza borrando lo que mostraba la anterior; la tecla C que está a "
           "su lado la borra y la oculta.";
}

}  // namespace numeralia::calc

#include "app/chem/notes_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace numeralia::app {

namespace {

const char* const kNotes[] = {
    "(1)  Para los elementos gaseosos, este valor se refiere al liquido en su punto de "
    "ebullición.",
    "(2)  Radio metálico para número de coordinación 12.",
    "(3)  Rojo (gaseoso),   Azul (líquido),   Negro (sólido),   Verde (preparado "
    "sintéticamente).",
    "(4)  Tomando como base el C-12. ( ) indica el isótopo más estable o el más común.",
    "(5)  Radio iónico (cristalino) para número de coordinación 6.",
    "(6)  Estructura cristalina: Cúbica centrada en las caras, Cúbica centrada en el espacio,",
    "Rómbica, Cúbica, Hexagonal, Romboédrica, Tetragonal, Ortorrómbica, Monoclínica.",
    "(7)  Para los óxidos representativos (máxima valencia) del grupo. El óxido es ácido si el "
    "color es rojo, básico si el color es azul, y anfótero si se muestran los dos colores. La "
    "tonalidad del color indica la intensidad relativa.",
    "(8)  A la Temperatura de ebullición.  ",
    "(9)  De 0 a 20C.  ",
    "(10)  A Temperatura ambiente.",
};

}  // namespace

NotesWindow::NotesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Notes"));
    setWindowTitle(QStringLiteral("Notas"));
    setStyleSheet(QStringLiteral("QWidget#Notes { background: #fdfaf4; }"
                                 "QLabel { color: #1b2733; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(6);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    int index = 0;
    for (const char* note : kNotes) {
        auto* label = new QLabel(QString::fromUtf8(note));
        label->setObjectName(QStringLiteral("nota%1").arg(index++));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // The second line of note (6) continues the first one.
        if (note == kNotes[6]) label->setContentsMargins(em * 2, 0, 0, 0);
        layout->addWidget(label);
    }
    layout->addStretch(1);
    setMinimumWidth(em * 44);
    const int width = em * 64;
    resize(width, layout->hasHeightForWidth() ? layout->heightForWidth(width) : sizeHint().height());
}

}  // namespace numeralia::app

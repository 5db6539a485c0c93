#include "app/info/about_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/shell/svg_picture.h"
#include "core/shell/settings_file.h"

namespace numeralia::app {

namespace {

// Where the settings file is, in words: the full path goes to the tool tip, where its length
// does not matter.
QString settingsPlace(const SharedState& state) {
    if (state.settingsFolder == state.programFolder)
        return QStringLiteral("Las preferencias se guardan en el archivo «pref» de la carpeta del programa.");
    return QStringLiteral("Las preferencias se guardan en el archivo «pref» de su carpeta de "
                          "configuración personal, porque la carpeta del programa es del sistema.");
}

}  // namespace

AboutWindow::AboutWindow(AppContext& context, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("About");
    setWindowTitle("Acerca de...");
    setStyleSheet(R"(
        #name { font-size: 20pt; font-weight: bold; color: #1d3557; }
        #tagline { font-size: 11pt; color: #2a6f97; }
        #small { color: #5b6b7b; }
    )");

    auto* logo = new SvgPicture(":/pictures/logo.svg", QSize(112, 112));
    auto* name = new QLabel("Numeralia v2.5", this);
    name->setObjectName("name");
    auto* tagline = new QLabel("La calculadora y sus programas de cálculo", this);
    tagline->setObjectName("tagline");
    auto* text = new QLabel(
        "Una calculadora de bolsillo en dos modelos, Científica y Normal, con memorias, "
        "historial de teclas, estadística y ecuaciones; y junto a ella la conversión de "
        "unidades, las operaciones bancarias, la tabla periódica, el simulador de lotería "
        "y la alarma.",
        this);
    text->setWordWrap(true);
    auto* small = new QLabel("Escrito en C++ con Qt 6. " + settingsPlace(context.state), this);
    small->setObjectName("small");
    small->setToolTip(QString::fromStdString(settingsFilePath(context.state)));
    small->setWordWrap(true);

    // Wrapped texts get a fixed width and the height that width needs.
    constexpr int kTextWidth = 330;
    for (QLabel* label : {name, tagline, text, small}) {
        label->setWordWrap(true);
        label->setFixedWidth(kTextWidth);
        label->ensurePolished();  // the style sheet sets the font the height depends on
        label->setMinimumHeight(label->heightForWidth(kTextWidth));
    }

    auto* ok = new QPushButton("Aceptar");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    for (QKeySequence key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);

    auto* words = new QVBoxLayout;
    words->setSpacing(8);
    words->addWidget(name);
    words->addWidget(tagline);
    words->addSpacing(6);
    words->addWidget(text);
    words->addWidget(small);
    words->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(22);
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addLayout(words, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 24, 24, 18);
    page->setSpacing(16);
    page->addLayout(top, 1);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace numeralia::app

// Shows the Periodic table window (or one of its companion windows) and saves a picture:
//   periodic_window_app SYMBOL [joules] out.png   the window with an element on the sheet
//   periodic_window_app notes out.png             the Notes window
//   periodic_window_app help out.png              the help window
//   periodic_window_app lattices out.png          the nine crystal drawings and six swatches
//   periodic_window_app calc [FORMULA] out.png    the calculator after H 2 = S O 4 =, and a
//                                                 typed formula (CuSO4·5H2O unless given)
//   periodic_window_app ionic|spectrum|series out.png   the windows of the chemistry tables
//   periodic_window_app print SYMBOL FOLDER       the printed element sheet, as a PDF
// Used to look at the windows the way a user sees them.

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <cstdio>

#include "app/chem/chemistry_tables.h"
#include "app/chem/crystal_drawing.h"
#include "app/chem/element_printout.h"
#include "app/chem/molecular_weight_panel.h"
#include "app/shell/printing.h"
#include <QLineEdit>
#include "app/chem/periodic_window.h"
#include "app/shell/window_catalog.h"
#include "core/chem/elements.h"

#include "bench_application.h"

namespace {

using namespace numeralia;

QWidget* latticeSheet() {
    auto* sheet = new QWidget;
    sheet->setStyleSheet(QStringLiteral("background: white;"));
    auto* grid = new QGridLayout(sheet);
    const int em = sheet->fontMetrics().horizontalAdvance(QLatin1Char('M'));
    for (int i = 1; i <= 9; ++i) {
        auto* picture = new app::SheetPicture(app::SheetPicture::Kind::Crystal, QSize(em * 12, em * 12));
        picture->setCrystal(static_cast<chem::CrystalPicture>(i));
        auto* caption = new QLabel(app::crystalDescription(static_cast<chem::CrystalPicture>(i)));
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(picture, ((i - 1) / 5) * 2, (i - 1) % 5, Qt::AlignCenter);
        grid->addWidget(caption, ((i - 1) / 5) * 2 + 1, (i - 1) % 5);
    }
    for (int i = 1; i <= 5; ++i) {
        auto* swatch = new app::SheetPicture(app::SheetPicture::Kind::Swatch, QSize(em * 4, em * 2));
        swatch->setSwatch(static_cast<chem::Swatch>(i));
        auto* caption = new QLabel(app::swatchDescription(static_cast<chem::Swatch>(i)));
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(swatch, 4, i - 1, Qt::AlignCenter);
        grid->addWidget(caption, 5, i - 1);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: periodic_window_app SYMBOL|notes|help|lattices [joules] out.png\n");
        return 2;
    }
    bench::WindowProgram program;
    program.shared.soundOn = 1;
    program.dialogs.print = true;
    app::WindowRegistry& windows = program.windows;
    app::registerWindows(program.context);

    const QString what = args[1];
    const QString out = args.last();
    QWidget* shown = nullptr;
    if (what == QStringLiteral("notes")) {
        shown = windows.show(app::WindowId::Notes);
    } else if (what == QStringLiteral("help")) {
        shown = windows.show(app::WindowId::PeriodicHelp);
    } else if (what == QStringLiteral("ionic")) {
        shown = windows.show(app::WindowId::Ionic);
    } else if (what == QStringLiteral("spectrum") || what == QStringLiteral("series")) {
        shown = what == QStringLiteral("spectrum") ? static_cast<QWidget*>(new app::SpectrumWindow)
                                                   : new app::SeriesWindow;
        if (auto* spectrum = qobject_cast<app::SpectrumWindow*>(shown)) spectrum->chooseWavelength(486);
        shown->show();
    } else if (what == QStringLiteral("calc")) {
        auto* window = static_cast<app::PeriodicWindow*>(windows.show(app::WindowId::Periodic));
        auto& model = window->model();
        model.startCalculator();
        for (const char* step : {"H", "2", "=", "S", "O", "4", "="}) {
            if (step[0] >= '0' && step[0] <= '9') model.pressCalculatorDigit(step[0] - '0');
            else if (step[0] == '=') model.pressCalculatorEquals();
            else model.clickElement(*chem::elementBySymbol(step));
        }
        window->refresh();
        window->calculatorPanel()->typedFormula()->setText(
            args.size() > 3 ? args[2] : QStringLiteral("CuSO4·5H2O"));
        shown = window;
    } else if (what == QStringLiteral("print")) {
        auto* window = static_cast<app::PeriodicWindow*>(windows.show(app::WindowId::Periodic));
        window->model().clickElement(*chem::elementBySymbol(args[2].toStdString()));
        window->refresh();
        app::setPdfFolderForTests(args[3]);
        std::printf("%s\n", qPrintable(window->printElement()));
        return 0;
    } else if (what == QStringLiteral("lattices")) {
        shown = latticeSheet();
        shown->show();
    } else {
        auto* window = static_cast<app::PeriodicWindow*>(windows.show(app::WindowId::Periodic));
        const auto z = chem::elementBySymbol(what.toStdString());
        if (!z) {
            std::fprintf(stderr, "no element %s\n", qPrintable(what));
            return 2;
        }
        window->model().clickElement(*z);
        if (args.contains(QStringLiteral("joules"))) window->model().chooseJoules();
        window->refresh();
        shown = window;
    }
    QTimer::singleShot(900, [&] {
        shown->grab().save(out);
        app.quit();
    });
    return app.exec();
}

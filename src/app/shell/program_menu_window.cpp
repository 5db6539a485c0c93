#include "app/shell/program_menu_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "app/shell/about_logo.h"
#include "app/shell/accessibility.h"
#include "app/shell/local_file_encoding.h"
#include "app/shell/program_menu_readme.h"
#include "app/shell/program_menu_widgets.h"
#include "app/shell/svg_picture.h"
#include "core/shell/settings_file.h"
#include "app/shell/qt_text.h"

namespace numeralia::app {

namespace {

const char* pictureOf(MenuTarget target) {
    switch (target) {
        case MenuTarget::Calculator: return ":/pictures/calculator.svg";
        case MenuTarget::PeriodicTable: return ":/pictures/periodic_table.svg";
        case MenuTarget::Bank: return ":/pictures/bank.svg";
        case MenuTarget::Lottery: return ":/pictures/lottery.svg";
        case MenuTarget::Converter: return ":/pictures/converter.svg";
        case MenuTarget::Alarm: return ":/pictures/alarm.svg";
        default: return "";
    }
}

// A label in the given size, weight and colour.
QLabel* label(const QString& text, qreal points, bool bold, const QColor& colour) {
    auto* l = new QLabel(text);
    QFont font = l->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
    return l;
}

}  // namespace

ProgramMenuWindow::ProgramMenuWindow(AppContext& context, const ProgramFolders& folders) : context_(context) {
    setObjectName("ProgramMenu");
    setWindowTitle(qs(kProgramMenuCaption));

    // Asking whether the folder can be written costs a file creation: only when it matters.
    const bool writable = folders.userConfig.isEmpty() || folderAcceptsFiles(folders.program);
    loadSettings(context_.state,
                 FolderReport{folders.program.toStdString(), writable, folders.userConfig.toStdString()},
                 context_.sounds, localFileEncoding());

    // Header: the logo (Image6, opens the About window), the name and a decorative strip.
    auto* header = new TitleBand;
    image6_ = aboutLogo(context_.windows, QStringLiteral("Image6"), QSize(64, 64),
                        QStringLiteral("Acerca de Numeralia"));
    auto* title = label("NUMERALIA", 22, true, Qt::white);
    QFont spaced = title->font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    title->setFont(spaced);
    auto* subtitle = label("Menú de Programas", 11, false, QColor(0xd8, 0xe9, 0xf5));
    auto* version = label("versión 2.5", 9, false, QColor(0xa8, 0xc8, 0xe0));
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addStretch();
    names->addWidget(title);
    names->addWidget(subtitle);
    names->addStretch();
    auto* decoration = new SvgPicture(":/pictures/menu_decoration.svg", QSize(200, 64));
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(18, 12, 18, 12);
    headerRow->setSpacing(14);
    headerRow->addWidget(image6_);
    headerRow->addLayout(names);
    headerRow->addStretch();
    headerRow->addWidget(decoration);
    headerRow->addWidget(version, 0, Qt::AlignBottom);

    // The six picture buttons, two rows of three.
    auto* buttonPanel = new RoundedPanel;
    auto* grid = new QGridLayout(buttonPanel);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSpacing(14);
    for (std::size_t i = 0; i < kProgramMenuButtons.size(); ++i) {
        const MenuButton& b = kProgramMenuButtons[i];
        auto* button = new PictureButton(pictureOf(b.target));
        button->setObjectName(qs(b.name));
        button->setToolTip(qs(b.toolTip));
        button->setAccessibleName(qs(b.toolTip));
        button->setIconSize(QSize(64, 64));
        button->setFixedSize(96, 96);
        connect(button, &QToolButton::clicked, this, [this, target = b.target] { open(target); });
        grid->addWidget(button, static_cast<int>(i / 3), static_cast<int>(i % 3));
        buttons_[i] = button;
    }
    auto* hint = label("Elija un programa. Pulse el logotipo para saber más de Numeralia.",
                       font().pointSizeF(), false, QColor(0x5b, 0x6b, 0x7b));
    hint->setWordWrap(true);
    auto* left = new QVBoxLayout;
    left->setSpacing(12);
    left->addWidget(buttonPanel);
    left->addWidget(hint);
    left->addStretch();

    readme_ = new QTextBrowser;
    readme_->setObjectName("readme");
    setAccessibleTexts(readme_, QStringLiteral("Léame"));
    readme_->document()->setDefaultStyleSheet("h2, h3 { color: #1d3557; }");
    readme_->document()->setDocumentMargin(10);
    readme_->setMinimumWidth(360);
    // The read-me is the slowest part of the window to lay out, and nobody reads it before
    // the window is on the screen: its text is put in right after the first frame.
    readme_->viewport()->installEventFilter(this);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(18, 18, 18, 18);
    body->setSpacing(18);
    body->addLayout(left);
    body->addWidget(readme_, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(header);
    page->addLayout(body, 1);
    resize(780, 440);
    refreshButtons();
    buttons_[0]->setFocus();  // the calculator; the logo comes before it in the Tab order
}

std::optional<WindowId> ProgramMenuWindow::windowFor(MenuTarget target) const {
    const WindowRegistry& windows = context_.windows;
    WindowId id = WindowId::About;
    switch (target) {
        case MenuTarget::Calculator:
            // A program without the Normal window (a test's) opens the Scientific model.
            if (calculatorTarget(context_.state) == MenuTarget::NormalModel &&
                windows.isRegistered(WindowId::Normal))
                id = WindowId::Normal;
            else
                id = WindowId::Scientific;
            break;
        case MenuTarget::ScientificModel: id = WindowId::Scientific; break;
        case MenuTarget::NormalModel: id = WindowId::Normal; break;
        case MenuTarget::PeriodicTable: id = WindowId::Periodic; break;
        case MenuTarget::Bank: id = WindowId::Bank; break;
        case MenuTarget::Lottery: id = WindowId::Lottery; break;
        case MenuTarget::Converter: id = WindowId::Converter; break;
        case MenuTarget::Alarm: id = WindowId::Alarm; break;
        case MenuTarget::About: id = WindowId::About; break;
    }
    if (!windows.isRegistered(id)) return std::nullopt;
    return id;
}

void ProgramMenuWindow::open(MenuTarget target) {
    const auto id = windowFor(target);
    if (!id) return;
    // The About window is only brought to the front; the sub-programs also leave a minimised
    // or maximised state.
    context_.windows.show(*id, target != MenuTarget::About);
}

void ProgramMenuWindow::refreshButtons() {
    for (std::size_t i = 0; i < kProgramMenuButtons.size(); ++i)
        buttons_[i]->setEnabled(windowFor(kProgramMenuButtons[i].target).has_value());
}

bool ProgramMenuWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == readme_->viewport() && readme_->document()->isEmpty()) {
        readme_->viewport()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { readme_->setHtml(programMenuReadme()); });
    }
    return QWidget::eventFilter(watched, event);
}

void ProgramMenuWindow::showEvent(QShowEvent* event) {
    refreshButtons();
    QWidget::showEvent(event);
}

void ProgramMenuWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshButtons();
    QWidget::changeEvent(event);
}

void ProgramMenuWindow::closeEvent(QCloseEvent* event) {
    if (!shutDown_) {
        shutDown_ = true;
        const SaveResult saved = saveSettings(context_.state, localFileEncoding());
        if (!saved.ok) context_.dialogs.warn("Numeralia", saved.message);
        context_.windows.closeAll(this);
    }
    event->accept();
    QWidget::closeEvent(event);
}

}  // namespace numeralia::app

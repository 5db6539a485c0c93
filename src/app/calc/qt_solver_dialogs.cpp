#include "app/calc/qt_solver_dialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/qt_text.h"
#include "app/shell/window_rules.h"

namespace numeralia::app {

namespace {

std::string utf8(const QString& s) {
    const QByteArray bytes = s.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QDialogButtonBox* spanishButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

// ---- One choice ----

ChoiceDialog::ChoiceDialog(const calc::ChoiceQuestion& question, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(qs(question.title));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(qs(question.prompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    list_ = new QListWidget(this);
    list_->setObjectName("choices");
    for (std::size_t i = 0; i < question.choices.size(); ++i) {
        list_->addItem(QStringLiteral("%1    %2").arg(i + 1).arg(qs(question.choices[i])));
    }
    list_->setCurrentRow(static_cast<int>(
        std::min(question.initial, question.choices.empty() ? 0 : question.choices.size() - 1)));
    // Exactly as tall as its choices, wide enough for the longest one.
    list_->setFixedHeight(list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth() +
                          4);
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    layout->addWidget(list_);
    auto* hint = new QLabel(QStringLiteral("Pulse el número de la conversión, o elíjala con las "
                                           "flechas y pulse Intro."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(spanishButtons(this));
    list_->setFocus();
}

bool ChoiceDialog::eventFilter(QObject* watched, QEvent* event) {
    // The list would take a digit as the start of a keyboard search: here it picks.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int digit = static_cast<QKeyEvent*>(event)->key() - Qt::Key_1;
        if (digit >= 0 && digit < list_->count() && digit < 9) {
            list_->setCurrentRow(digit);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- A system of linear equations ----

LinearSystemDialog::LinearSystemDialog(const std::string& title,
                                       const calc::LinearSystemForm& initial, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(qs(title));
    auto* layout = new QVBoxLayout(this);

    auto* sizeRow = new QHBoxLayout;
    auto* sizeLabel = new QLabel(QStringLiteral("&Número de ecuaciones:"), this);
    size_ = new QSpinBox(this);
    size_->setObjectName("equations");
    size_->setRange(calc::kFewestEquations, calc::kMostEquations);
    sizeLabel->setBuddy(size_);
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(size_);
    sizeRow->addStretch(1);
    layout->addLayout(sizeRow);

    auto* explanation = new QLabel(
        QStringLiteral("Escriba en cada fila los coeficientes Ai1 … Ain y el término "
                       "independiente Ki de Ai1·X1 + … + Ain·Xn = Ki. Un campo vacío vale 0."),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    gridHolder_ = new QWidget(this);
    grid_ = new QGridLayout(gridHolder_);
    grid_->setContentsMargins(0, 4, 0, 4);
    grid_->setHorizontalSpacing(4);
    grid_->setVerticalSpacing(4);
    layout->addWidget(gridHolder_);

    problem_ = new QLabel(this);
    problem_->setObjectName("problem");
    problem_->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    problem_->setWordWrap(true);
    problem_->hide();
    layout->addWidget(problem_);
    layout->addWidget(spanishButtons(this));

    showForm(calc::resizedForm(initial, initial.size));
    size_->setValue(shownSize_);
    connect(size_, &QSpinBox::valueChanged, this,
            [this](int n) { showForm(calc::resizedForm(form(), n)); });
    if (!fields_.empty()) fields_.front()->setFocus();
}

QLineEdit* LinearSystemDialog::field(int row, int column) const {
    const auto index = static_cast<std::size_t>(row * (shownSize_ + 1) + column);
    return index < fields_.size() ? fields_[index] : nullptr;
}

calc::LinearSystemForm LinearSystemDialog::form() const {
    calc::LinearSystemForm f;
    f.size = shownSize_;
    f.cells.clear();
    for (const QLineEdit* field : fields_) f.cells.push_back(utf8(field->text()));
    return f;
}

void LinearSystemDialog::showForm(const calc::LinearSystemForm& f) {
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    fields_.clear();
    shownSize_ = f.size;
    const int n = f.size;
    // Column headings: X1 .. Xn, then the independent term.
    for (int c = 0; c < n; ++c) {
        auto* heading = new QLabel(QStringLiteral("X%1").arg(c + 1), gridHolder_);
        heading->setAlignment(Qt::AlignCenter);
        grid_->addWidget(heading, 0, c + 1);
    }
    auto* termHeading = new QLabel(QStringLiteral("K"), gridHolder_);
    termHeading->setAlignment(Qt::AlignCenter);
    grid_->addWidget(termHeading, 0, n + 2);
    for (int r = 0; r < n; ++r) {
        grid_->addWidget(new QLabel(QStringLiteral("Ec. %1").arg(r + 1), gridHolder_), r + 1, 0);
        for (int c = 0; c <= n; ++c) {
            auto* edit = new QLineEdit(qs(f.cell(r, c)), gridHolder_);
            edit->setObjectName(c == n ? QStringLiteral("K%1").arg(r + 1)
                                       : QStringLiteral("A%1_%2").arg(r + 1).arg(c + 1));
            edit->setPlaceholderText(QStringLiteral("0"));
            edit->setAlignment(Qt::AlignRight);
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0,000000")) + 12);
            connect(edit, &QLineEdit::textEdited, problem_, &QLabel::hide);
            grid_->addWidget(edit, r + 1, c == n ? n + 2 : c + 1);
            fields_.push_back(edit);
        }
        auto* equals = new QLabel(QStringLiteral("="), gridHolder_);
        equals->setAlignment(Qt::AlignCenter);
        grid_->addWidget(equals, r + 1, n + 1);
    }
    // A grid rebuilt in an open dialog shows at once.
    for (QWidget* w : gridHolder_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->show();
    // Tab goes along each row, then to the next one.
    QWidget* previous = size_;
    for (QLineEdit* edit : fields_) {
        setTabOrder(previous, edit);
        previous = edit;
    }
    problem_->hide();
    adjustSize();
}

void LinearSystemDialog::accept() {
    const calc::LinearSystemForm typed = form();
    if (const auto bad = calc::firstBadField(typed)) {
        problem_->setText(qs(calc::badFieldMessage(typed, *bad)));
        problem_->show();
        if (QLineEdit* edit = field(bad->row, bad->column)) {
            edit->setFocus();
            edit->selectAll();
        }
        return;
    }
    QDialog::accept();
}

// ---- The interface ----

std::optional<std::size_t> QtSolverDialogs::askChoice(const calc::ChoiceQuestion& question) {
    ChoiceDialog dialog(question, parent_);
    prepareWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0) return std::nullopt;
    return static_cast<std::size_t>(dialog.chosen());
}

std::optional<calc::LinearSystemForm> QtSolverDialogs::askLinearSystem(
    const std::string& title, const calc::LinearSystemForm& initial) {
    LinearSystemDialog dialog(title, initial, parent_);
    prepareWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.form();
}

}  // namespace numeralia::app

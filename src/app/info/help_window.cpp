#include "app/info/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace numeralia::app {

namespace {

// The look every help window shares.
const char* const kStyleSheet =
    "h2 { color: #20456e; } h3 { color: #1d3557; margin-top: 14px; }"
    "p { margin-bottom: 8px; } td { vertical-align: top; }";

}  // namespace

HelpWindow::HelpWindow(const QString& title, const QString& html, QSize sizeInEm, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    browser_ = newHelpTextBox();
    browser_->setObjectName(QStringLiteral("ayuda"));
    browser_->setHtml(html);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    resize(em * sizeInEm.width(), em * sizeInEm.height());
}

QString HelpWindow::plainText() const { return browser_->toPlainText(); }

QTextBrowser* newHelpTextBox(QWidget* parent) {
    auto* box = new QTextBrowser(parent);
    box->setOpenLinks(false);
    box->document()->setDocumentMargin(14);
    box->document()->setDefaultStyleSheet(QString::fromLatin1(kStyleSheet));
    return box;
}

QString helpParagraph(const char* text, bool bold) {
    // The blanks of the text are kept as they are written.
    const QString escaped = QString::fromUtf8(text).toHtmlEscaped();
    return bold ? QStringLiteral("<p style='white-space: pre-wrap;'><b>%1</b></p>").arg(escaped)
                : QStringLiteral("<p style='white-space: pre-wrap;'>%1</p>").arg(escaped);
}

}  // namespace numeralia::app

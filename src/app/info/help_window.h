#pragma once
// A static help window of a sub-program: its caption and a text with headings, paragraphs
// and tables that the user can scroll, select and copy. Every sub-program's help window is
// one of these.

#include <QSize>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace numeralia::app {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // `html` is the text; `sizeInEm` the opening size in widths of the letter M.
    HelpWindow(const QString& title, const QString& html, QSize sizeInEm,
               QWidget* parent = nullptr);

    QString plainText() const;

private:
    QTextBrowser* browser_ = nullptr;
};

// The text box of a help window: read-only, selectable, with the look every help window
// shares (margins, headings, paragraphs).
QTextBrowser* newHelpTextBox(QWidget* parent = nullptr);

// A paragraph of plain text as help text: special characters escaped, blanks kept,
// optionally bold.
QString helpParagraph(const char* text, bool bold = false);

}  // namespace numeralia::app

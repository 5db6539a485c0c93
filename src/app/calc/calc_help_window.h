#pragma once
// "Ayuda Calculadora": the Scientific window drawn again, inert, over one large read-only
// text box (Text1). Clicking a key, a display or a menu entry of the drawing writes its
// explanation into the box. A search field above the box finds elements by their caption or
// by the words of their explanation, and flashes the one chosen in the drawing (CTRL + F
// moves to the field). The window keeps no state.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "app/shell/app_context.h"
#include "core/calc/calc_help.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QTextBrowser;

namespace numeralia::app {

class CalcHelpReplica;

class CalcHelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CalcHelpWindow(AppContext& context, QWidget* parent = nullptr);
    ~CalcHelpWindow() override;

    CalcHelpReplica& replica() const { return *replica_; }
    // The explanation shown (empty until an element is clicked).
    QString text() const;
    QLineEdit* searchField() const { return search_; }
    QListWidget* results() const { return results_; }
    // The widget flashing after a search, or nullptr.
    QWidget* flashing() const { return flashing_; }

    // Empties the text box, then writes the element's explanation.
    void explain(const calc::HelpElement& element);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildTextPanel();
    void findElements(const QString& query);
    void chooseResult(int row);
    void flash(QWidget* widget);
    void flashStep();
    void stopFlash();

    CalcHelpReplica* replica_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* found_ = nullptr;
    QListWidget* results_ = nullptr;
    QLabel* title_ = nullptr;
    QTextBrowser* text1_ = nullptr;
    std::vector<calc::HelpElement> shownResults_;
    QPointer<QWidget> flashing_;
    QString flashingStyle_;  // its own style sheet, given back when the flash ends
    QTimer flashTimer_;
    int flashSteps_ = 0;
};

}  // namespace numeralia::app

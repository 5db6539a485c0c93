#pragma once
// The Bank operations window: keypad, entry field, input and result fields, the years or
// months option and the month-by-month table of loans, fixed-term deposits and savings plans.

#include <QMainWindow>
#include <array>

#include "app/shell/app_context.h"
#include "core/bank/bank_model.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace numeralia::app {

class BankTableModel;

class BankWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit BankWindow(AppContext& context, QWidget* parent = nullptr);

    bank::BankModel& model() { return model_; }
    QTableView* table() const { return table_; }
    // Shows the model's state in every widget.
    void refresh();
    // Prints the results, with the whole table when withTable.
    void printResults(bool withTable);
    // The selected rows (Ctrl+Insert, "Copiar filas"), or the whole table ("Copiar tabla"),
    // onto the clipboard as tab-separated text with a line of column titles.
    void copySelectedRows();
    void copyTable();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildKeypad();
    QWidget* buildInputs();
    QWidget* buildResults();
    QPushButton* key(const QString& text, const QString& picture, const QString& tip);
    QLineEdit* field(const char* name);
    void act(void (bank::BankModel::*action)());
    void orderTabs();
    bool handleKey(QKeyEvent* event);

    AppContext& context_;
    bank::BankModel model_;
    BankTableModel* tableModel_ = nullptr;
    unsigned tableRevision_ = ~0u;

    QLineEdit* entry_ = nullptr;
    QLineEdit* capital_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QLineEdit* term_ = nullptr;
    QLineEdit* contribution_ = nullptr;
    QLineEdit* increase_ = nullptr;
    std::array<QLabel*, 3> resultCaptions_{};
    std::array<QLineEdit*, 3> results_{};
    std::array<QPushButton*, 5> inputKeys_{};  // "Capital  Base" to "Incr. Anual (%)"
    QPushButton* contributionKey_ = nullptr;
    QPushButton* increaseKey_ = nullptr;
    QRadioButton* years_ = nullptr;
    QRadioButton* months_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* soundIndicator_ = nullptr;
    QLabel* currency_ = nullptr;
    std::array<QAction*, 3> modeActions_{};
};

}  // namespace numeralia::app

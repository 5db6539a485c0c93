#pragma once
// The month-by-month table of the bank window as a Qt item model: one row per month, the
// five columns of the current operation. Texts come from the window model when a row is
// painted, so a table of 1200 months is shown at once.

#include <QAbstractTableModel>

namespace numeralia::bank {
class BankModel;
}

namespace numeralia::app {

class BankTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit BankTableModel(const bank::BankModel& model, QObject* parent = nullptr);

    // Call after every action that may have changed the table or its column titles.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const bank::BankModel& model_;
    int rows_ = 0;
};

}  // namespace numeralia::app

#include "app/bank/bank_table_model.h"

#include "core/bank/bank_model.h"

namespace numeralia::app {

BankTableModel::BankTableModel(const bank::BankModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {}

void BankTableModel::refresh() {
    beginResetModel();
    rows_ = static_cast<int>(model_.rowCount());
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 4);
}

int BankTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int BankTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 5;
}

QVariant BankTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(
            model_.cellText(static_cast<std::size_t>(index.row()), index.column()));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return {};
}

QVariant BankTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section > 4) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(model_.columnTitles()[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return {};
}

}  // namespace numeralia::app

#include "ui/history/HistoryListModel.h"

#include "core/GeneratorModel.h"

HistoryListModel::HistoryListModel(GeneratorModel &model, QObject *parent)
    : QAbstractListModel(parent)
    , m_model(model)
    , m_rows(model.history())
{
    connect(&model, &GeneratorModel::historyEntryAdded, this, [this] {
        beginInsertRows({}, 0, 0);
        m_rows.prepend(m_model.history().first());
        endInsertRows();
    });
    connect(&model, &GeneratorModel::oldestHistoryEntryDropped, this, [this] {
        const int last = int(m_rows.size() - 1);
        beginRemoveRows({}, last, last);
        m_rows.removeLast();
        endRemoveRows();
    });
    connect(&model, &GeneratorModel::historyCleared, this, [this] {
        beginResetModel();
        m_rows.clear();
        endResetModel();
    });
}

int HistoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const GeneratedPassword &entry = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return entry.text;
    case entropyRole:
        return entry.entropyBits;
    default:
        return {};
    }
}

#include "ui/history/HistoryListModel.h"

#include "core/GeneratorModel.h"

HistoryListModel::HistoryListModel(GeneratorModel &model, QObject *parent)
    : QAbstractListModel(parent)
    , m_model(model)
    , m_rows(model.history())
{
    connect(&model, &GeneratorModel::historyChanged, this, &HistoryListModel::follow);
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

// The history changes one edit at a time, each told on its own: a password
// goes in at the top, the oldest drops off the end, or all are forgotten.
// Anything else is told as a reset.
void HistoryListModel::follow()
{
    const QList<GeneratedPassword> &history = m_model.history();
    const qsizetype rows = m_rows.size();
    if (history.size() == rows + 1 && history.mid(1) == m_rows) {
        beginInsertRows({}, 0, 0);
        m_rows.prepend(history.first());
        endInsertRows();
    } else if (history.size() == rows - 1 && history == m_rows.first(rows - 1)) {
        beginRemoveRows({}, int(rows - 1), int(rows - 1));
        m_rows.removeLast();
        endRemoveRows();
    } else if (history != m_rows) {
        beginResetModel();
        m_rows = history;
        endResetModel();
    }
}

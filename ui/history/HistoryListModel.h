#pragma once

#include "core/GeneratedPassword.h"

#include <QAbstractListModel>
#include <QList>

class GeneratorModel;

// The generator's history as rows for a view, newest first: the text for
// display and, under entropyRole, its strength in bits. Each edit of the
// history reaches the view as that edit (a row inserted at the top, the
// oldest row removed, or all of them gone), so that nothing is rebuilt.
class HistoryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { entropyRole = Qt::UserRole + 1 };

    explicit HistoryListModel(GeneratorModel &model, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const GeneratorModel &m_model;
    QList<GeneratedPassword> m_rows; // as the view knows them, until the next edit is told
};

#pragma once

#include <QWidget>

class GeneratorModel;
class HistoryListModel;
class QListView;
class QPushButton;
class QStackedWidget;

// The passwords that explicit regenerations replaced, newest first. A
// click or Enter copies an entry again; "Clear" forgets them all.
class HistoryView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int footerPadding = 10;

    explicit HistoryView(GeneratorModel &model, QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    QPushButton *clearButton() const { return m_clearButton; }
    bool showsEmptyState() const;

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void markDestructive();
    QWidget *makeEmptyState();
    QWidget *makeFooter();
    void followRows();
    void copyRow(int row);

    GeneratorModel &m_model;
    QStackedWidget *m_content;
    HistoryListModel *m_rows;
    QListView *m_list;
    QWidget *m_emptyState;
    QPushButton *m_clearButton = nullptr;
};

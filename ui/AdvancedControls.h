#pragma once

#include <QList>
#include <QWidget>

class ChipRow;
class GeneratorModel;
class QLineEdit;

// Advanced mode: a chip row for every group, and a field for characters
// of the user's own.
class AdvancedControls : public QWidget
{
    Q_OBJECT

public:
    explicit AdvancedControls(GeneratorModel &model, QWidget *parent = nullptr);

    const QList<ChipRow *> &chipRows() const { return rows; }
    QLineEdit *additionalField() const { return field; }

private:
    QWidget *makeFieldRow();
    void refresh();

    GeneratorModel &model;
    QList<ChipRow *> rows;
    QLineEdit *field = nullptr;
};

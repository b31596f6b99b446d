#pragma once

#include <QList>
#include <QWidget>

class ChipRow;
class GeneratorModel;
class GroupToggleButton;

// Basic mode: whole-group toggles for letters and digits, then chip rows
// for symbols, punctuation and brackets.
class BasicControls : public QWidget
{
    Q_OBJECT

public:
    static constexpr int toggleSpacing = 6;

    explicit BasicControls(GeneratorModel &model, QWidget *parent = nullptr);

    const QList<GroupToggleButton *> &groupButtons() const { return buttons; }
    const QList<ChipRow *> &chipRows() const { return rows; }

private:
    QWidget *makeToggleRow();
    void refresh();

    GeneratorModel &model;
    QList<GroupToggleButton *> buttons;
    QList<ChipRow *> rows;
};

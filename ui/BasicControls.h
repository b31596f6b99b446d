#pragma once

#include <QList>
#include <QWidget>

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


private:
    QWidget *makeToggleRow();
    void refresh();

    GeneratorModel &m_model;
    QList<GroupToggleButton *> m_buttons;
};

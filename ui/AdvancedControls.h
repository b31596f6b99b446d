#pragma once

#include <QWidget>

class GeneratorModel;
class QLineEdit;

// Advanced mode: a chip row for every group, and a field for characters
// of the user's own.
class AdvancedControls : public QWidget
{
    Q_OBJECT

public:
    explicit AdvancedControls(GeneratorModel &model, QWidget *parent = nullptr);


private:
    QWidget *makeFieldRow();
    void refresh();

    GeneratorModel &m_model;
    QLineEdit *m_field = nullptr;
};

#pragma once

#include <QWidget>

class ChipRow;
class GeneratorModel;
class StyledLabel;

// Words mode: which separators may join the words, and what that means.
class WordsControls : public QWidget
{
    Q_OBJECT

public:
    explicit WordsControls(GeneratorModel &model, QWidget *parent = nullptr);

    // How the chosen number of separators is used.
    static QString separatorHint(qsizetype separatorCount);

    ChipRow *separatorRow() const { return row; }
    StyledLabel *hintLabel() const { return hint; }

private:
    QWidget *makeHintRow();
    void refresh();

    GeneratorModel &model;
    ChipRow *row = nullptr;
    StyledLabel *hint = nullptr;
};

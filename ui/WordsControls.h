#pragma once

#include <QWidget>

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

private:
    QWidget *makeHintRow();
    void refresh();

    GeneratorModel &m_model;
    StyledLabel *m_hint = nullptr;
};

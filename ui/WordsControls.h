#pragma once

#include <QWidget>

class GeneratorModel;
class QComboBox;
class QSpinBox;
class StyledLabel;

// Words mode: which word list (a shipped one or the user's own file, with
// what reading it found), which separators may join the words, what that
// means, and how long a passphrase may be at most.
class WordsControls : public QWidget
{
    Q_OBJECT

public:
    explicit WordsControls(GeneratorModel &model, QWidget *parent = nullptr);

    // How the chosen number of separators is used.
    static QString separatorHint(qsizetype separatorCount);

private:
    QWidget *makeHintRow();
    QWidget *makeLimitRow();
    QWidget *makeListRow();
    void chooseOwnList();
    void fallBackFromAnOwnListGone();
    void refresh();

    GeneratorModel &m_model;
    StyledLabel *m_hint = nullptr;
    QSpinBox *m_limit = nullptr;
    QComboBox *m_list = nullptr;
    StyledLabel *m_verdict = nullptr;
    // Why the last own list could not be taken, until a list is chosen.
    QString m_notice;
};

#pragma once

#include <QWidget>

class QHBoxLayout;
class StyledLabel;

// A row with a title in the shared 78-px column, then a content view and a
// small accessory after it. Whichever of the two stretches takes the width
// that remains.
class LabeledRow : public QWidget
{
    Q_OBJECT

public:
    LabeledRow(const QString &title, QWidget *content, QWidget *accessory,
               QWidget *parent = nullptr);

    // Lays out a row with an empty title column: what is added to the
    // returned layout starts where the titled rows' controls start, and is
    // spaced by the given spacing.
    static QHBoxLayout *untitledRow(QWidget *row, int spacing);

    StyledLabel *titleLabel() const { return m_titleLabel; }
    QWidget *content() const { return m_content; }

private:
    StyledLabel *m_titleLabel;
    QWidget *m_content;
};

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
    // returned layout starts the given spacing after the column.
    static QHBoxLayout *untitledRow(QWidget *row, int spacing);

    StyledLabel *titleLabel() const { return label; }
    QWidget *content() const { return contentView; }
    QWidget *accessory() const { return accessoryView; }

private:
    StyledLabel *label;
    QWidget *contentView;
    QWidget *accessoryView;
};

#pragma once

#include "ui/chips/ToggleChrome.h"

#include <QAbstractButton>

// The title of a chip row that turns the whole row on or off. It shows in
// the primary colour while any chip is on, and says what a click will do.
class ChipRowTitle : public QAbstractButton
{
    Q_OBJECT

public:
    // Room around the text for the focus ring.
    static constexpr int ringMargin = 2;

    explicit ChipRowTitle(const QString &title, QWidget *parent = nullptr);

    // Sets the look and the texts for the row's state.
    void setRowState(ToggleState state);
    ToggleState rowState() const { return m_rowState; }

    QColor textColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ToggleState m_rowState = ToggleState::off; // until the constructor sets it
};

#pragma once

#include "ui/chips/ToggleChrome.h"

#include <QAbstractButton>

// What chips and group buttons share: a rounded toggle whose state comes
// from its owner (a click or Space only emits clicked(); the owner decides
// and sets the new state), pressed and focused the same way.
class ToggleButton : public QAbstractButton
{
    Q_OBJECT

public:
    ToggleState state() const { return m_state; }
    bool isOn() const { return m_state == ToggleState::on; }
    void setState(ToggleState state);

    ToggleChrome chrome() const { return {m_state, m_cornerRadius}; }

protected:
    ToggleButton(qreal cornerRadius, QWidget *parent);

    // The title or character over the background, within the bounds.
    virtual void paintLabel(QPainter &painter, const QRectF &bounds) const = 0;

    void paintEvent(QPaintEvent *event) override;
    // Only the rounded shape takes clicks, not its corners.
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override {}

private:
    ToggleState m_state = ToggleState::off;
    qreal m_cornerRadius;
};

#include "ui/chips/ToggleButton.h"

#include "ui/style/Theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

ToggleButton::ToggleButton(qreal cornerRadius, QWidget *parent)
    : QAbstractButton(parent)
    , m_cornerRadius(cornerRadius)
{
    // Checkable, so that screen readers hear the on state.
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    // A screen reader's toggle action flips the check state directly, past
    // any click. Like a click it only asks: the state goes back, and the
    // owner decides.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked == isOn())
            return; // set by setState()
        {
            const QSignalBlocker quiet(this);
            setChecked(!checked);
        }
        emit clicked(checked);
    });
}

void ToggleButton::setState(ToggleState state)
{
    // Every settings change sets every chip: repaint only those that changed.
    if (state == m_state)
        return;
    m_state = state;
    setChecked(state == ToggleState::on);
    update();
}

void ToggleButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (isDown())
        painter.setOpacity(0.7);
    const QRectF bounds = rect();
    chrome().paint(painter, bounds, palette());
    paintLabel(painter, bounds);
    if (Theme::showsFocusRing(this))
        Theme::paintFocusRing(painter, bounds, m_cornerRadius, palette());
}

bool ToggleButton::hitButton(const QPoint &pos) const
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), m_cornerRadius, m_cornerRadius);
    return shape.contains(QPointF(pos));
}

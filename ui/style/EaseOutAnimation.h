#pragma once

#include <QVariantAnimation>

// Progress from 0 to 1 on the ease-out curve (the cubic Bézier 0, 0, 0.58, 1),
// the way the interface animates value changes. Starting it again while it
// runs begins from 0; a widget takes its "from" state from where it was.
class EaseOutAnimation : public QVariantAnimation
{
    Q_OBJECT

public:
    EaseOutAnimation(double seconds, QObject *parent);

    static QEasingCurve curve();

    // Where the animation stands: 1 when it is not running.
    qreal progress() const;
    void restart();
};

#include "ui/style/EaseOutAnimation.h"

#include <QPointF>

#include <cmath>

EaseOutAnimation::EaseOutAnimation(double seconds, QObject *parent)
    : QVariantAnimation(parent)
{
    setStartValue(0.0);
    setEndValue(1.0);
    setDuration(int(std::lround(seconds * 1000)));
    setEasingCurve(curve());
}

QEasingCurve EaseOutAnimation::curve()
{
    QEasingCurve result(QEasingCurve::BezierSpline);
    result.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return result;
}

qreal EaseOutAnimation::progress() const
{
    return state() == Running ? currentValue().toReal() : 1.0;
}

void EaseOutAnimation::restart()
{
    stop();
    start();
}

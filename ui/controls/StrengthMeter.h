#pragma once

#include "core/Strength.h"

#include <QWidget>

class EaseOutAnimation;

// A thin bar showing how much of 128 bits of entropy the shown password
// reaches, in the colour of its rating. A change of bits glides over
// 0.2 s. Screen readers hear "Strength" and, e.g., "Strong, 2 to the 95 power".
class StrengthMeter : public QWidget
{
    Q_OBJECT

public:
    static constexpr int barHeight = 7;
    static constexpr double scaleBits = 128;
    static constexpr qreal minimumFill = 2;

    explicit StrengthMeter(QWidget *parent = nullptr);

    double bits() const { return m_bits; }
    void setBits(double bits);

    // The rating and the whole power of two, as screen readers say it.
    static QString accessibleValue(double bits);
    // The colour of the rating of the current bits, in this palette.
    QColor fillColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The fill as a share of the track, before the 2-px minimum.
    static qreal fraction(double bits);

    double m_bits = 0;
    qreal m_fromFraction = 0;
    QColor m_fromColor;
    EaseOutAnimation *m_animation;
};

#include "ui/controls/WholeNumberSlider.h"

#include <cmath>

WholeNumberSlider::WholeNumberSlider(qint64 minimum, qint64 maximum, QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
    , m_reported(minimum)
{
    setRange(int(minimum * scale), int(maximum * scale));
    setSingleStep(scale);
    setPageStep(scale * 4);
    connect(this, &QSlider::valueChanged, this, [this] {
        const qint64 whole = wholeValue();
        if (whole == m_reported)
            return;
        m_reported = whole;
        emit wholeValueChanged(whole);
    });
}

qint64 WholeNumberSlider::rounded(double value)
{
    return qint64(std::round(value)); // halves away from zero
}

void WholeNumberSlider::setExactValue(double value)
{
    setValue(int(std::lround(value * scale)));
}

void WholeNumberSlider::setWholeValue(qint64 value)
{
    m_reported = value;
    if (wholeValue() != value)
        setValue(int(value * scale));
}

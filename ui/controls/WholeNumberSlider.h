#pragma once

#include <QSlider>

// A horizontal slider that moves continuously but stands for a whole
// number: its position is rounded, halves away from zero, and only a change
// of that whole number is reported.
class WholeNumberSlider : public QSlider
{
    Q_OBJECT

public:
    // Steps per whole number, fine enough to feel continuous.
    static constexpr int scale = 1000;

    WholeNumberSlider(qint64 minimum, qint64 maximum, QWidget *parent = nullptr);

    static qint64 rounded(double value);

    double exactValue() const { return double(value()) / scale; }
    void setExactValue(double value);
    qint64 wholeValue() const { return rounded(exactValue()); }
    // Moves the knob to a whole number unless it already stands for it, so
    // that a drag in progress is not snapped back.
    void setWholeValue(qint64 value);

signals:
    void wholeValueChanged(qint64 value);

private:
    qint64 m_reported;
};

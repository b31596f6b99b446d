#pragma once

#include <QColor>

class QPainter;
class QPalette;
class QRectF;

// The rounded background of chips and group buttons in one of three looks:
// on, partly on, off. isPartial counts only while isOn is false.
struct ToggleChrome
{
    bool isOn = false;
    bool isPartial = false;
    qreal cornerRadius = 4;

    QColor fill(const QPalette &palette) const;
    QColor border(const QPalette &palette) const;

    // Fills the rounded rectangle and strokes its 1-px border wholly inside.
    void paint(QPainter &painter, const QRectF &rect, const QPalette &palette) const;
};

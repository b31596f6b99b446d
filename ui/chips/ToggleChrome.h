#pragma once

#include <QColor>

class QPainter;
class QPalette;
class QRectF;

// Whether a toggle's characters are all, some or none switched on.
enum class ToggleState { off, partial, on };

// The rounded background of chips and group buttons in one of three looks.
struct ToggleChrome
{
    ToggleState state = ToggleState::off;
    qreal cornerRadius = 4;

    QColor fill(const QPalette &palette) const;
    QColor border(const QPalette &palette) const;

    // Fills the rounded rectangle and strokes its 1-px border wholly inside.
    void paint(QPainter &painter, const QRectF &rect, const QPalette &palette) const;
};

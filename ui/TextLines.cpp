#include "ui/TextLines.h"

#include <QTextLayout>

qreal breakIntoLines(QTextLayout &layout, qreal width, int maxLines)
{
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid();
         line = maxLines >= 0 && layout.lineCount() > maxLines ? QTextLine()
                                                               : layout.createLine()) {
        line.setLineWidth(qMax<qreal>(0, width));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

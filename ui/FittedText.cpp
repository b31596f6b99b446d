#include "ui/FittedText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

const QString ellipsis = QStringLiteral("\u2026");

} // namespace

FittedText::FittedText(const QString &text, const QList<QTextLayout::FormatRange> &runs,
                       const Style &style)
    : source(text)
    , runs(runs)
    , style(style)
    , size(style.font.pixelSize())
    , visible(text.size())
{}

FittedText::~FittedText() = default;

void FittedText::fit(qreal width) const
{
    if (layout && width == fittedWidth)
        return;
    fittedWidth = width;
    const int largest = style.font.pixelSize();
    // A hair below the product, so that 0.6 × 10 stays 6 in floating point.
    const int smallest = qMin(largest, int(std::ceil(largest * style.minimumScale - 1e-9)));
    for (int pixels = largest; pixels >= smallest; --pixels) {
        layOut(source.size(), false, pixels, width);
        if (style.maxLines <= 0 || layout->lineCount() <= style.maxLines)
            return;
    }
    truncate(width);
}

qreal FittedText::heightFor(qreal width) const
{
    fit(width);
    return boundingSize().height();
}

int FittedText::lineCount() const
{
    return layout ? layout->lineCount() : 0;
}

QSizeF FittedText::boundingSize() const
{
    if (!layout)
        return {};
    qreal width = 0;
    qreal height = 0;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        width = qMax(width, line.naturalTextWidth());
        height = line.y() + line.height();
    }
    return {width, height};
}

void FittedText::draw(QPainter &painter, const QPointF &origin,
                      const QList<QTextLayout::FormatRange> &selections) const
{
    if (layout)
        layout->draw(&painter, origin, selections);
}

qsizetype FittedText::positionAt(const QPointF &point) const
{
    if (!layout || layout->lineCount() == 0)
        return 0;
    int index = 0;
    while (index + 1 < layout->lineCount()
           && point.y() >= layout->lineAt(index).y() + layout->lineAt(index).height())
        ++index;
    const int position = layout->lineAt(index).xToCursor(point.x());
    return qBound(qsizetype(0), qsizetype(position), visible);
}

qsizetype FittedText::nextPosition(qsizetype position) const
{
    if (!layout)
        return position;
    return qMin<qsizetype>(visible, layout->nextCursorPosition(int(position)));
}

qsizetype FittedText::previousPosition(qsizetype position) const
{
    if (!layout)
        return position;
    return qMax<qsizetype>(0, layout->previousCursorPosition(int(position)));
}

QLineF FittedText::caretAt(qsizetype position) const
{
    if (!layout || layout->lineCount() == 0)
        return {};
    const QTextLine line = layout->lineForTextPosition(int(position));
    const QTextLine at = line.isValid() ? line : layout->lineAt(layout->lineCount() - 1);
    const qreal x = at.cursorToX(int(position));
    return QLineF(x, at.y(), x, at.y() + at.height());
}

QFont FittedText::fontOfSize(int pixelSize) const
{
    QFont font = style.font;
    font.setPixelSize(pixelSize);
    return font;
}

void FittedText::layOut(qsizetype kept, bool elided, int pixelSize, qreal width) const
{
    size = pixelSize;
    visible = kept;
    const QString shown = elided ? source.left(kept) + ellipsis : source;
    layout = std::make_unique<QTextLayout>(shown, fontOfSize(pixelSize));
    QTextOption option;
    option.setWrapMode(style.wrap);
    layout->setTextOption(option);
    QList<QTextLayout::FormatRange> shownRuns;
    for (QTextLayout::FormatRange run : runs) {
        run.length = int(qMin<qsizetype>(run.start + run.length, kept) - run.start);
        if (run.length > 0)
            shownRuns.append(run);
    }
    layout->setFormats(shownRuns);
    layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(qMax<qreal>(0, width));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
}

// At the smallest size the text still needs too many lines: keep the lines
// that fit and end the last of them with an ellipsis.
void FittedText::truncate(qreal width) const
{
    const int pixels = size;
    const qsizetype lastStart = layout->lineAt(style.maxLines - 1).textStart();
    const QString tail =
        QFontMetricsF(fontOfSize(pixels))
            .elidedText(source.mid(lastStart), Qt::ElideRight, qMax<qreal>(0, width));
    qsizetype kept = lastStart + tail.size() - (tail.endsWith(ellipsis) ? 1 : 0);
    kept = qMin(kept, source.size() - 1);
    layOut(kept, true, pixels, width);
    // Rounding may still push the ellipsis onto a line of its own.
    while (layout->lineCount() > style.maxLines && kept > 0) {
        kept = layout->previousCursorPosition(int(kept));
        layOut(kept, true, pixels, width);
    }
}

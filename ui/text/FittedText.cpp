#include "ui/text/FittedText.h"

#include "ui/text/LineBreaking.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

const QString ellipsis = QStringLiteral("\u2026");
constexpr QChar leftToRightOverride(0x202D);
constexpr QChar popDirectionalFormatting(0x202C);

} // namespace

FittedText::FittedText(const QString &text, const QList<QTextLayout::FormatRange> &runs,
                       const Style &style)
    : m_text(text)
    , m_runs(runs)
    , m_style(style)
    , m_pixelSize(style.font.pixelSize())
    , m_visibleLength(text.size())
{}

FittedText::~FittedText() = default;

QString FittedText::inOrder(const QString &text)
{
    return leftToRightOverride + text + popDirectionalFormatting;
}

void FittedText::fit(qreal width) const
{
    if (m_layout && width == m_fittedWidth)
        return;
    m_fittedWidth = width;
    const int largest = m_style.font.pixelSize();
    // A hair below the product, so that 0.6 × 10 stays 6 in floating point.
    const int smallest = qMin(largest, int(std::ceil(largest * m_style.minimumScale - 1e-9)));
    for (int pixels = largest; pixels >= smallest; --pixels) {
        layOut(m_text.size(), false, pixels, width);
        if (m_style.maxLines <= 0 || m_layout->lineCount() <= m_style.maxLines)
            return;
    }
    truncate(width);
}

qreal FittedText::heightFor(qreal width) const
{
    if (const auto known = m_heights.constFind(width); known != m_heights.cend())
        return *known;
    fit(width);
    return m_heights[width] = boundingSize().height();
}

int FittedText::lineCount() const
{
    return m_layout ? m_layout->lineCount() : 0;
}

QSizeF FittedText::boundingSize() const
{
    if (!m_layout)
        return {};
    qreal width = 0;
    qreal height = 0;
    for (int i = 0; i < m_layout->lineCount(); ++i) {
        const QTextLine line = m_layout->lineAt(i);
        width = qMax(width, line.naturalTextWidth());
        height = line.y() + line.height();
    }
    return {width, height};
}

void FittedText::draw(QPainter &painter, const QPointF &origin,
                      const QList<QTextLayout::FormatRange> &selections) const
{
    if (!m_layout)
        return;
    QList<QTextLayout::FormatRange> shifted = selections;
    for (QTextLayout::FormatRange &selection : shifted)
        selection.start += offset();
    m_layout->draw(&painter, origin, shifted);
}

qsizetype FittedText::positionAt(const QPointF &point) const
{
    if (!m_layout || m_layout->lineCount() == 0)
        return 0;
    int index = 0;
    while (index + 1 < m_layout->lineCount()
           && point.y() >= m_layout->lineAt(index).y() + m_layout->lineAt(index).height())
        ++index;
    const int position = m_layout->lineAt(index).xToCursor(point.x()) - offset();
    return qBound(qsizetype(0), qsizetype(position), m_visibleLength);
}

qsizetype FittedText::nextPosition(qsizetype position) const
{
    if (!m_layout)
        return position;
    return qMin<qsizetype>(m_visibleLength,
                           m_layout->nextCursorPosition(int(position) + offset()) - offset());
}

qsizetype FittedText::previousPosition(qsizetype position) const
{
    if (!m_layout)
        return position;
    return qMax<qsizetype>(0,
                           m_layout->previousCursorPosition(int(position) + offset()) - offset());
}

QLineF FittedText::caretAt(qsizetype position) const
{
    if (!m_layout || m_layout->lineCount() == 0)
        return {};
    const int inLayout = int(position) + offset();
    const QTextLine line = m_layout->lineForTextPosition(inLayout);
    const QTextLine at = line.isValid() ? line : m_layout->lineAt(m_layout->lineCount() - 1);
    const qreal x = at.cursorToX(inLayout);
    return QLineF(x, at.y(), x, at.y() + at.height());
}

QFont FittedText::fontOfSize(int pixelSize) const
{
    QFont font = m_style.font;
    font.setPixelSize(pixelSize);
    return font;
}

void FittedText::layOut(qsizetype kept, bool elided, int pixelSize, qreal width) const
{
    m_pixelSize = pixelSize;
    m_visibleLength = kept;
    const QString shown = elided ? m_text.left(kept) + ellipsis : m_text;
    m_layout = std::make_unique<QTextLayout>(m_style.inOrder ? inOrder(shown) : shown,
                                             fontOfSize(pixelSize));
    QTextOption option;
    option.setWrapMode(m_style.wrap);
    m_layout->setTextOption(option);
    QList<QTextLayout::FormatRange> shownRuns;
    for (QTextLayout::FormatRange run : m_runs) {
        run.length = int(qMin<qsizetype>(run.start + run.length, kept) - run.start);
        run.start += offset();
        if (run.length > 0)
            shownRuns.append(run);
    }
    m_layout->setFormats(shownRuns);
    // One line past the limit tells that the text does not fit.
    breakIntoLines(*m_layout, width, m_style.maxLines > 0 ? m_style.maxLines + 1 : -1);
}

// At the smallest size the text still needs too many lines: keep the lines
// that fit and end the last of them with an ellipsis.
void FittedText::truncate(qreal width) const
{
    const int pixels = m_pixelSize;
    const qsizetype lastStart =
        qMax(0, m_layout->lineAt(m_style.maxLines - 1).textStart() - offset());
    const QString tail =
        QFontMetricsF(fontOfSize(pixels))
            .elidedText(m_text.mid(lastStart), Qt::ElideRight, qMax<qreal>(0, width));
    qsizetype kept = lastStart + tail.size() - (tail.endsWith(ellipsis) ? 1 : 0);
    kept = qMin(kept, m_text.size() - 1);
    layOut(kept, true, pixels, width);
    // Rounding may still push the ellipsis onto a line of its own.
    while (m_layout->lineCount() > m_style.maxLines && kept > 0) {
        kept = previousPosition(kept);
        layOut(kept, true, pixels, width);
    }
}

QList<QGlyphRun> FittedText::glyphRuns() const
{
    return m_layout ? m_layout->glyphRuns() : QList<QGlyphRun>();
}

#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPainter;

// A text laid out within a width, in at most a number of lines. When it
// needs more, the font shrinks in whole pixels down to a smallest share of
// its size, and only then is the rest cut off behind an ellipsis.
class FittedText
{
public:
    struct Style
    {
        QFont font; // sized in pixels
        QTextOption::WrapMode wrap = QTextOption::WrapAtWordBoundaryOrAnywhere;
        int maxLines = 0;         // 0: as many as the text needs
        qreal minimumScale = 1.0; // smallest font size as a share of the font's
        // Laid out as inOrder() lays out its text. Positions stay those of
        // the text.
        bool inOrder = false;
    };

    FittedText(const QString &text, const QList<QTextLayout::FormatRange> &runs,
               const Style &style);
    ~FittedText();

    // A password is a sequence of characters, not text in a language: each
    // keeps its place, left to right, in a window of either direction and
    // whatever its own (an Arabic letter among the extras would otherwise
    // turn the brackets and digits after it around). The text between a
    // left-to-right override and its end, for a QTextLayout.
    static QString inOrder(const QString &text);

    // Lays the text out for a width; asking again for the same width is free.
    void fit(qreal width) const;
    // The height of the lines laid out for a width.
    qreal heightFor(qreal width) const;

    const QString &text() const { return m_text; }
    // How much of the text shows: all of it unless it was cut off.
    qsizetype visibleLength() const { return m_visibleLength; }
    bool isTruncated() const { return m_visibleLength < m_text.size(); }
    int pixelSize() const { return m_pixelSize; }
    int lineCount() const;
    QSizeF boundingSize() const;

    void draw(QPainter &painter, const QPointF &origin,
              const QList<QTextLayout::FormatRange> &selections = {}) const;
    // Text positions between characters, within the visible text.
    qsizetype positionAt(const QPointF &point) const;
    qsizetype nextPosition(qsizetype position) const;
    qsizetype previousPosition(qsizetype position) const;
    QLineF caretAt(qsizetype position) const;
    // The glyphs as laid out for the last width, as they are drawn.
    QList<QGlyphRun> glyphRuns() const;

private:
    // Where the text starts in the layout: after the override, if any.
    int offset() const { return m_style.inOrder ? 1 : 0; }
    QFont fontOfSize(int pixelSize) const;
    // Lays out the first kept characters, and an ellipsis after them if elided.
    void layOut(qsizetype kept, bool elided, int pixelSize, qreal width) const;
    void truncate(qreal width) const;

    QString m_text;
    QList<QTextLayout::FormatRange> m_runs;
    Style m_style;
    mutable std::unique_ptr<QTextLayout> m_layout;
    mutable qreal m_fittedWidth = -1;
    mutable int m_pixelSize = 0;
    mutable qsizetype m_visibleLength = 0;
    // Layouts ask for a few widths over and over; each is laid out once.
    mutable QHash<qreal, qreal> m_heights;
};

#include "ui/text/LineBreaking.h"

#include <QTextLayout>

namespace {

// A passphrase's separators, a password's symbols and spaces: a line may
// end after any character that is neither letter, digit nor mark, nor an
// invisible format character such as the override that keeps a password
// in order.
bool breaksAfter(const QString &text, int position)
{
    char32_t last = text.at(position - 1).unicode();
    if (QChar::isLowSurrogate(last) && position >= 2 && text.at(position - 2).isHighSurrogate())
        last = QChar::surrogateToUcs4(text.at(position - 2), text.at(position - 1));
    return !QChar::isLetterOrNumber(last) && !QChar::isMark(last)
           && QChar::category(last) != QChar::Other_Format;
}

// A line cut inside a word ends after the last separator it holds instead,
// so that words stay whole wherever the line has room for them.
void keepWordsWhole(const QTextLayout &layout, QTextLine &line, qreal width)
{
    const QString &text = layout.text();
    const int start = line.textStart();
    const int end = start + line.textLength();
    if (end >= text.size() || breaksAfter(text, end))
        return;
    for (int position = end - 1; position > start; --position) {
        if (breaksAfter(text, position) && layout.isValidCursorPosition(position)) {
            line.setNumColumns(position - start, width);
            return;
        }
    }
}

} // namespace

qreal breakIntoLines(QTextLayout &layout, qreal width, int maxLines)
{
    const bool anywhere = layout.textOption().wrapMode() == QTextOption::WrapAnywhere;
    width = qMax<qreal>(0, width);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid();
         line = maxLines >= 0 && layout.lineCount() > maxLines ? QTextLine()
                                                               : layout.createLine()) {
        line.setLineWidth(width);
        if (anywhere)
            keepWordsWhole(layout, line, width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

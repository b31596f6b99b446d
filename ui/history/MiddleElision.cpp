#include "ui/history/MiddleElision.h"

#include "core/Characters.h"
#include "ui/text/LineBreaking.h"

#include <QTextLayout>

namespace {

int lineCount(const QString &text, const QFont &font, qreal width, qreal *height = nullptr)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    const qreal y = breakIntoLines(layout, width);
    if (height)
        *height = y;
    return layout.lineCount();
}

} // namespace

QString middleElided(const QString &text, const QFont &font, qreal width, int maxLines)
{
    if (width <= 0 || lineCount(text, font, width) <= maxLines)
        return text;
    const QList<qsizetype> cuts = Characters::boundaries(text);
    const qsizetype characters = cuts.size() - 1;
    const auto keep = [&](qsizetype kept) {
        const qsizetype head = (kept + 1) / 2;
        const qsizetype tail = kept - head;
        return text.left(cuts.at(head)) + QChar(0x2026) + text.mid(cuts.at(characters - tail));
    };
    // The most characters that still fit, found by bisection.
    qsizetype low = 0;
    qsizetype high = characters - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (lineCount(keep(middle), font, width) <= maxLines)
            low = middle;
        else
            high = middle - 1;
    }
    return keep(low);
}

qreal wrappedHeight(const QString &text, const QFont &font, qreal width)
{
    qreal height = 0;
    lineCount(text, font, std::max<qreal>(width, 1), &height);
    return height;
}

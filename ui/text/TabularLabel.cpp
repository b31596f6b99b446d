#include "ui/text/TabularLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace {

const QString digits = QStringLiteral("0123456789");
const QString superscriptDigits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");

qreal widest(const QString &characters, const QFontMetricsF &metrics)
{
    qreal width = 0;
    for (QChar each : characters)
        width = std::max(width, metrics.horizontalAdvance(each));
    return width;
}

} // namespace

TabularLabel::TabularLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QList<std::pair<QString, qreal>> TabularLabel::cells() const
{
    const QFontMetricsF metrics(font());
    const qreal digit = widest(digits, metrics), superscript = widest(superscriptDigits, metrics);
    QList<std::pair<QString, qreal>> cells;
    const QString shown = text();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const qsizetype length = shown.at(i).isHighSurrogate() && i + 1 < shown.size() ? 2 : 1;
        const QString character = shown.mid(i, length);
        i += length - 1;
        const qreal advance = digits.contains(character) ? digit
                              : superscriptDigits.contains(character)
                                  ? superscript
                                  : metrics.horizontalAdvance(character);
        cells.append({character, advance});
    }
    return cells;
}

QSize TabularLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return QSize(int(std::ceil(widthOf(cells()))) + margins.left() + margins.right(),
                 int(std::ceil(QFontMetricsF(font()).height())) + margins.top() + margins.bottom());
}

QSize TabularLabel::minimumSizeHint() const
{
    return sizeHint();
}

qreal TabularLabel::widthOf(const QList<std::pair<QString, qreal>> &cells)
{
    qreal width = 0;
    for (const auto &[character, advance] : cells)
        width += advance;
    return width;
}

void TabularLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const QList<std::pair<QString, qreal>> laidOut = cells();
    const qreal content = widthOf(laidOut);
    const Qt::Alignment horizontal = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal x = horizontal & Qt::AlignRight     ? area.right() + 1 - content
              : horizontal & Qt::AlignHCenter ? area.left() + (area.width() - content) / 2
                                              : area.left();
    for (const auto &[character, advance] : laidOut) {
        painter.drawText(QRectF(x, area.top(), advance, area.height()), Qt::AlignCenter, character);
        x += advance;
    }
}

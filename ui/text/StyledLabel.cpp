#include "ui/text/StyledLabel.h"

#include <QPainter>

StyledLabel::StyledLabel(const QString &text, Theme::TextStyle style, Theme::Foreground level,
                         QWidget *parent)
    : QLabel(text, parent)
    , m_level(level)
{
    setFont(Theme::font(style));
    setTextFormat(Qt::PlainText);
}

QColor StyledLabel::textColor() const
{
    return Theme::foreground(m_level, palette());
}

void StyledLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(textColor());
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(contentsRect(), flags, text());
}

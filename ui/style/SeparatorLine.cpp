#include "ui/style/SeparatorLine.h"

#include "ui/style/Theme.h"

#include <QPainter>

SeparatorLine::SeparatorLine(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SeparatorLine::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Theme::separator(palette()));
}

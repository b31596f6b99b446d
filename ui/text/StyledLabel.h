#pragma once

#include "ui/style/Theme.h"

#include <QLabel>

// A label in one of the text styles and foreground levels. Its colour is
// taken from the palette at each paint, so it follows a light or dark switch.
class StyledLabel : public QLabel
{
    Q_OBJECT

public:
    StyledLabel(const QString &text, Theme::TextStyle style, Theme::Foreground level,
                QWidget *parent = nullptr);

    QColor textColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Theme::Foreground m_level;
};

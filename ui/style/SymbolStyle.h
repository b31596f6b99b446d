#pragma once

#include <QProxyStyle>

// The desktop's style, with the one standard symbol our window shows (the
// menu bar's overflow arrows) drawn from our own palette-tinted drawings.
// Qt's stand-in is a fixed dark image, lost on dark themes, and reading it
// loads every image-format plugin before the window's first paint.
class SymbolStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

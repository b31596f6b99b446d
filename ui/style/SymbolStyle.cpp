#include "ui/style/SymbolStyle.h"

#include "ui/style/Symbols.h"

#include <QGuiApplication>
#include <QWidget>

QIcon SymbolStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        const bool rightToLeft =
            widget ? widget->isRightToLeft() : QGuiApplication::isRightToLeft();
        return Symbols::icon(rightToLeft ? QStringLiteral("chevron.left.2")
                                         : QStringLiteral("chevron.right.2"));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

#pragma once

#include <QColor>
#include <QPalette>

// Palettes with known colours, so that colours by role can be checked.
namespace Palettes {

inline QPalette make(QColor window, QColor text, QColor button, QColor base, QColor highlight)
{
    // Qt derives the bevel shades of buttons from the button colour.
    QPalette palette(text, button, button.lighter(130), button.darker(130), button.darker(115),
                     text, Qt::white, base, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

inline QPalette light()
{
    return make(0xECECEC, 0x202020, 0xF6F6F6, Qt::white, 0x0A64D6);
}

inline QPalette dark()
{
    return make(0x1E1E1E, 0xE8E8E8, 0x3A3A3C, 0x2A2A2A, 0x2F7FE8);
}

} // namespace Palettes

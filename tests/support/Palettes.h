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
    palette.setColor(QPalette::PlaceholderText, QColor(text.red(), text.green(), text.blue(), 128));
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::AlternateBase, window);
    return palette;
}

inline QPalette light()
{
    return make(QColor(0xEC, 0xEC, 0xEC), QColor(0x20, 0x20, 0x20), QColor(0xF6, 0xF6, 0xF6),
                Qt::white, QColor(0x0A, 0x64, 0xD6));
}

inline QPalette dark()
{
    return make(QColor(0x1E, 0x1E, 0x1E), QColor(0xE8, 0xE8, 0xE8), QColor(0x3A, 0x3A, 0x3C),
                QColor(0x2A, 0x2A, 0x2A), QColor(0x2F, 0x7F, 0xE8));
}

} // namespace Palettes

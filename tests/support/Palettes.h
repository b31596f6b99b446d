#pragma once

#include <QPalette>

// Known colours to check roles by; as Qt would, bevels from the button and highlighted text white.
struct Palettes
{
    static QPalette make(QColor window, QColor text, QColor button, QColor base, QColor accent)
    {
        QPalette palette(text, button, button.lighter(130), button.darker(130), button.darker(115),
                         text, Qt::white, base, window);
        palette.setColor(QPalette::Highlight, accent);
        return palette;
    }
    static QPalette light() { return make(0xECECEC, 0x202020, 0xF6F6F6, Qt::white, 0x0A64D6); }
    static QPalette dark() { return make(0x1E1E1E, 0xE8E8E8, 0x3A3A3C, 0x2A2A2A, 0x2F7FE8); }
};

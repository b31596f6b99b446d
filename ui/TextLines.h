#pragma once

#include <QtGlobal>

class QTextLayout;

// Breaks a text layout into lines of one width, stacked from the top, and
// returns their total height. The layout's text, font, formats and wrap
// mode are set beforehand.
qreal breakIntoLines(QTextLayout &layout, qreal width);

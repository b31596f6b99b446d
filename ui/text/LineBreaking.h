#pragma once

#include <QtGlobal>

class QTextLayout;

// Breaks a text layout into lines of one width, stacked from the top, and
// returns their total height. The layout's text, font, formats and wrap
// mode are set beforehand. With a limit, stops after that many lines: a
// caller that only needs to know whether the text fits need not lay out
// the rest. Where the layout wraps anywhere, a line still ends after a
// separator within it, before cutting a word.
qreal breakIntoLines(QTextLayout &layout, qreal width, int maxLines = -1);

#pragma once

#include "core/Strength.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QPainter;
class QRectF;
class QWidget;

// Colours, fonts and shared measures of the interface, by role. Every colour
// is taken from the palette it is asked with, so a dark desktop gets the
// dark values and a palette change is followed on the next paint.
namespace Theme {

enum class Foreground { primary, secondary, tertiary, quaternary };
enum class Standard { red, orange, yellow, mint, pink };
enum class TextStyle { body, callout, caption, caption2 };

// Shared measures: the window's padding, the spacing between its rows and
// columns, and the title column of labelled rows and chip rows, so that
// their controls start at one left edge.
constexpr int windowPadding = 14;
constexpr int spacing = 10;
constexpr int titleColumnWidth = 78;
constexpr int titleColumnSpacing = spacing;

// The bottom bar's controls are 22 high, whatever a style or a face would
// make of them; only a face whose lines need more gets two points each side.
int barHeight(const QFont &font);

// A palette is dark when its window is darker than its text.
bool isDark(const QPalette &palette);

// The text colour of the window, the same whether or not it has the focus:
// Qt 6.8's GTK theme greys an unfocused window's text as GTK's backdrop
// does (#929595 on #FAF9F8 with Adwaita), too faint for the lighter
// levels drawn from it. Disabled stays disabled.
QColor windowText(const QPalette &palette);

QColor accent(const QPalette &palette);
QColor foreground(Foreground level, const QPalette &palette);
QColor separator(const QPalette &palette);
QColor standard(Standard color, const QPalette &palette);
QColor strength(Strength::Color color, const QPalette &palette);
// The "OnAccent" colour asset: text drawn on an accent-filled control.
QColor onAccent(const QPalette &palette);

// The colour with its alpha multiplied by opacity.
QColor withOpacity(QColor color, qreal opacity);

// The colour a share of the way from one to the other, alpha included.
QColor mix(const QColor &from, const QColor &to, qreal progress);

// The WCAG contrast ratio of two opaque colours, from 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// A title or symbol in a colour of its own (the accent, a standard red),
// drawn over what lies behind (a translucent fill is laid over the
// palette's window colour), brought towards the palette's text colour just
// as far as it takes to stand out 3:1, the least for interface parts (or
// more, where a style draws the face as a gradient around that colour).
// Some themes' accents are too pale for the fills tinted with them.
QColor legible(const QColor &ink, const QColor &behind, const QPalette &palette,
               double minimum = 3);

QFont font(TextStyle style);
QFont font(int pixelSize, QFont::Weight weight);
// The system's fixed-pitch face, for passwords and characters.
QFont monospacedFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// Focus is shown only after the keyboard moved it, as Qt's own styles do.
bool showsFocusRing(const QWidget *widget);

// The text flag that lays a short title out in its own direction, not the
// window's: "0\u20139" is a range, which a right-to-left window would turn
// into "9\u20130"; an Arabic title stays right to left.
int ownDirection(const QString &title);
void paintFocusRing(QPainter &painter, const QRectF &rect, qreal radius, const QPalette &palette);

} // namespace Theme

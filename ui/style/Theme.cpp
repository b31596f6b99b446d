#include "ui/style/Theme.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Theme {

namespace {

struct LightDark
{
    QColor light;
    QColor dark;
};

QColor pick(const LightDark &pair, const QPalette &palette)
{
    return isDark(palette) ? pair.dark : pair.light;
}

// The desktop's usual values of these colours, light and dark.
LightDark standardPair(Standard color)
{
    switch (color) {
    case Standard::red:
        return {QColor(0xFF, 0x3B, 0x30), QColor(0xFF, 0x45, 0x3A)};
    case Standard::orange:
        return {QColor(0xFF, 0x95, 0x00), QColor(0xFF, 0x9F, 0x0A)};
    case Standard::yellow:
        return {QColor(0xFF, 0xCC, 0x00), QColor(0xFF, 0xD6, 0x0A)};
    case Standard::mint:
        return {QColor(0x00, 0xC7, 0xBE), QColor(0x63, 0xE6, 0xE2)};
    case Standard::pink:
        return {QColor(0xFF, 0x2D, 0x55), QColor(0xFF, 0x37, 0x5F)};
    }
    return {}; // not reached: every case returns above
}

// Read once from the shipped asset; an invalid member stays invalid and the
// palette's own text-on-highlight colour stands in for it.
LightDark loadOnAccent()
{
    QFile file(QStringLiteral(":/OnAccent.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    return {QColor::fromString(object.value(QStringLiteral("light")).toString()),
            QColor::fromString(object.value(QStringLiteral("dark")).toString())};
}

int pixelSize(TextStyle style)
{
    switch (style) {
    case TextStyle::body:
        return 13;
    case TextStyle::callout:
        return 12;
    case TextStyle::caption:
    case TextStyle::caption2:
        return 10;
    }
    return 13; // not reached: every case returns above
}

} // namespace

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF() < windowText(palette).lightnessF();
}

QColor windowText(const QPalette &palette)
{
    const QPalette::ColorGroup group = palette.currentColorGroup();
    return palette.color(group == QPalette::Inactive ? QPalette::Active : group,
                         QPalette::WindowText);
}

QColor accent(const QPalette &palette)
{
    return palette.color(QPalette::Highlight);
}

QColor foreground(Foreground level, const QPalette &palette)
{
    const QColor text = windowText(palette);
    switch (level) {
    case Foreground::primary:
        return text;
    case Foreground::secondary:
        return withOpacity(text, 0.5);
    case Foreground::tertiary:
        return withOpacity(text, 0.26);
    case Foreground::quaternary:
        return withOpacity(text, 0.1);
    }
    return text; // not reached: every case returns above
}

QColor separator(const QPalette &palette)
{
    return withOpacity(windowText(palette), 0.1);
}

QColor standard(Standard color, const QPalette &palette)
{
    return pick(standardPair(color), palette);
}

QColor strength(Strength::Color color, const QPalette &palette)
{
    switch (color) {
    case Strength::Color::red:
        return standard(Standard::red, palette);
    case Strength::Color::orange:
        return standard(Standard::orange, palette);
    case Strength::Color::yellow:
        return standard(Standard::yellow, palette);
    case Strength::Color::yellowGreen:
        return QColor::fromRgbF(0.62f, 0.85f, 0.16f);
    case Strength::Color::mint:
        return standard(Standard::mint, palette);
    }
    return standard(Standard::red, palette); // not reached: every case returns above
}

QColor onAccent(const QPalette &palette)
{
    static const LightDark asset = loadOnAccent();
    const QColor color = pick(asset, palette);
    return color.isValid() ? color : palette.color(QPalette::HighlightedText);
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(float(color.alphaF() * opacity));
    return color;
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor mix(const QColor &from, const QColor &to, qreal progress)
{
    const auto between = [progress](float a, float b) { return a + (b - a) * float(progress); };
    return QColor::fromRgbF(between(from.redF(), to.redF()), between(from.greenF(), to.greenF()),
                            between(from.blueF(), to.blueF()), between(from.alphaF(), to.alphaF()));
}

QColor legible(const QColor &ink, const QColor &behind, const QPalette &palette, double minimum)
{
    const auto over = [](QColor top, const QColor &bottom) {
        const qreal coverage = top.alphaF();
        top.setAlphaF(bottom.alphaF());
        return mix(bottom, top, coverage);
    };
    const QColor background = over(behind, palette.color(QPalette::Window));
    const QColor text = windowText(palette);
    QColor result = ink;
    for (int step = 1; step <= 20 && contrastRatio(over(result, background), background) < minimum;
         ++step) {
        result = mix(ink, text, step / 20.0);
        result.setAlphaF(ink.alphaF());
    }
    return result;
}

int barHeight(const QFont &font)
{
    return std::max(22, QFontMetrics(font).height() + 4);
}

QFont font(TextStyle style)
{
    QFont result = QGuiApplication::font();
    result.setPixelSize(pixelSize(style));
    return result;
}

QFont font(int pixelSize, QFont::Weight weight)
{
    QFont result = QGuiApplication::font();
    result.setPixelSize(pixelSize);
    result.setWeight(weight);
    return result;
}

QFont monospacedFont(int pixelSize, QFont::Weight weight)
{
    QFont result = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    result.setPixelSize(pixelSize);
    result.setWeight(weight);
    // Passwords and characters show each character as itself: faces such
    // as Fira Code join "==", "->" or "www" into ligatures by contextual
    // substitution, which Qt 6.4 cannot turn off one feature at a time.
    // Scripts that need shaping are still shaped.
    result.setStyleStrategy(QFont::PreferNoShaping);
    return result;
}

bool showsFocusRing(const QWidget *widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void paintFocusRing(QPainter &painter, const QRectF &rect, qreal radius, const QPalette &palette)
{
    constexpr qreal width = 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(accent(palette), width));
    const qreal inset = width / 2;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
    painter.restore();
}

int ownDirection(const QString &title)
{
    return title.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
}

} // namespace Theme

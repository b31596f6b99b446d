#include "ui/style/SymbolIconEngine.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

QColor tint(QIcon::Mode mode)
{
    const QPalette palette = QGuiApplication::palette();
    switch (mode) {
    case QIcon::Disabled:
        return palette.color(QPalette::Disabled, QPalette::ButtonText);
    case QIcon::Selected:
        return palette.color(QPalette::HighlightedText);
    case QIcon::Normal:
    case QIcon::Active:
        break;
    }
    return palette.color(QPalette::ButtonText);
}

} // namespace

SymbolIconEngine::SymbolIconEngine(const QString &svgPath)
    : m_path(svgPath)
{}

void SymbolIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                             QIcon::State state)
{
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
}

QPixmap SymbolIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap SymbolIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State,
                                       qreal scale)
{
    QPixmap result(size * scale);
    result.setDevicePixelRatio(scale);
    result.fill(Qt::transparent);
    QSvgRenderer renderer(m_path);
    if (!renderer.isValid())
        return result;
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    // Keep the drawing square and centred whatever the requested shape.
    const qreal side = qMin(size.width(), size.height());
    const QRectF square((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    renderer.render(&painter, square);
    // The drawing's own colour only marks coverage; the tint replaces it.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), tint(mode));
    return result;
}

QIconEngine *SymbolIconEngine::clone() const
{
    return new SymbolIconEngine(m_path);
}

QString SymbolIconEngine::key() const
{
    return QStringLiteral("TessellonSymbol");
}

bool SymbolIconEngine::isNull()
{
    return m_path.isEmpty();
}

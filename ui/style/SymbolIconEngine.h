#pragma once

#include <QIconEngine>
#include <QString>

// Draws a one-colour SVG drawing in the colour of the application palette's
// button text, so a shipped symbol looks like text in light and dark themes.
class SymbolIconEngine : public QIconEngine
{
public:
    explicit SymbolIconEngine(const QString &svgPath);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    QString m_path;
};

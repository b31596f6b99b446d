#pragma once

#include <QPushButton>

// The window's main action: a push button filled with the accent colour
// and titled in "OnAccent". Drawn here rather than through the palette,
// which native styles ignore for the button face, and from the present
// palette at every paint, so a switch to dark follows at once.
class ProminentButton : public QPushButton
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 5;
    static constexpr int titleMargin = 12;

    explicit ProminentButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fillColor() const;
    QColor titleColor() const;
};

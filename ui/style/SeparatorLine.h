#pragma once

#include <QWidget>

// A one-pixel horizontal rule in the palette's separator colour; QFrame's
// line draws in the full text colour instead.
class SeparatorLine : public QWidget
{
    Q_OBJECT

public:
    explicit SeparatorLine(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

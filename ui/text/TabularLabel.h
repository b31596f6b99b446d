#pragma once

#include <QLabel>

// A one-line label whose digits, plain or superscript, each take the
// advance of the widest of their kind, so that a changing number does not
// jitter where the face's own digits are proportional.
class TabularLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TabularLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Each character of the text with the advance it is given.
    QList<std::pair<QString, qreal>> cells() const;
    static qreal widthOf(const QList<std::pair<QString, qreal>> &cells);
};

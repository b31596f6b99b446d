#pragma once

#include <QPointer>
#include <QWidget>

class GeneratorModel;
class HistoryView;

// A transient panel that opens below a window's content with an arrow
// pointing at it, and closes on a click outside or Escape.
class HistoryPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize contentSize{340, 320};
    static constexpr int arrowHeight = 9;
    static constexpr int arrowHalfWidth = 11;
    static constexpr qreal cornerRadius = 10;

    explicit HistoryPanel(GeneratorModel &model, QWidget *parent = nullptr);

    // Opens centred under the anchor's bottom edge, or above the anchor's
    // window when the screen has no room below. A press on the opener closes it
    // without opening it again.
    void popUp(const QWidget *anchor, const QWidget *opener = nullptr);

    HistoryView *view() const { return m_view; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPainterPath outline() const;
    void placeContent();

    HistoryView *m_view;
    QPointer<const QWidget> m_openedBy;
    bool m_pointsUp = true;
    int m_arrowX = contentSize.width() / 2;
};

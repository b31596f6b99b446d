#include "HistoryPanel.h"

#include "HistoryView.h"
#include "Theme.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

HistoryPanel::HistoryPanel(GeneratorModel &model, QWidget *parent)
    : QWidget(parent, Qt::Popup)
    , historyView(new HistoryView(model, this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(contentSize.width(), contentSize.height() + arrowHeight);
    placeContent();
}

void HistoryPanel::popUp(const QWidget *anchor)
{
    const QRect bounds(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QScreen *screen = anchor->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    pointsUp = !available.isValid() || bounds.bottom() + height() <= available.bottom();

    int x = bounds.center().x() - width() / 2;
    if (available.isValid())
        x = std::clamp(x, available.left(),
                       std::max(available.left(), available.right() - width()));
    arrowX = std::clamp(bounds.center().x() - x, int(cornerRadius) + arrowHalfWidth,
                        width() - int(cornerRadius) - arrowHalfWidth);
    const int y = pointsUp ? bounds.bottom() : bounds.top() - height();
    placeContent();
    move(x, y);
    show();
    historyView->setFocus();
}

void HistoryPanel::placeContent()
{
    historyView->setGeometry(0, pointsUp ? arrowHeight : 0, contentSize.width(),
                             contentSize.height());
    // Without a compositor a translucent window turns black; a mask cuts the
    // arrow out on every desktop.
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

QPainterPath HistoryPanel::outline() const
{
    const QRectF body(0, pointsUp ? arrowHeight : 0, contentSize.width(), contentSize.height());
    QPainterPath path;
    path.addRoundedRect(body, cornerRadius, cornerRadius);
    QPainterPath arrow;
    const qreal edge = pointsUp ? body.top() : body.bottom();
    const qreal tip = pointsUp ? 0 : height();
    arrow.moveTo(arrowX - arrowHalfWidth, edge + (pointsUp ? 1 : -1));
    arrow.lineTo(arrowX, tip);
    arrow.lineTo(arrowX + arrowHalfWidth, edge + (pointsUp ? 1 : -1));
    arrow.closeSubpath();
    return path.united(arrow);
}

void HistoryPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outline(), palette().color(QPalette::Window));
    painter.setPen(QPen(Theme::separator(palette()), 1));
    painter.drawPath(outline().translated(0.5, 0.5));
}

void HistoryPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

void HistoryPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HistoryPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit closed();
}

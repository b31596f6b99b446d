#include "ui/history/HistoryPanel.h"

#include "ui/history/HistoryView.h"
#include "ui/style/Theme.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

HistoryPanel::HistoryPanel(GeneratorModel &model, QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
    , m_view(new HistoryView(model, this))
{
    // Translucent where the window can have alpha (Wayland, a compositing
    // X11); the mask cuts the shape out where it cannot.
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(contentSize.width(), contentSize.height() + arrowHeight);
    placeContent();
}

void HistoryPanel::popUp(const QWidget *anchor, const QWidget *opener)
{
    m_openedBy = opener;
    const QRect bounds(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QScreen *screen = anchor->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    // Above, the panel clears the whole window, so its menu bar stays usable.
    const int windowTop = anchor->window()->frameGeometry().top();
    const bool roomBelow = bounds.bottom() + height() <= available.bottom();
    const bool roomAbove = windowTop - height() >= available.top();
    m_pointsUp = !available.isValid() || roomBelow || !roomAbove;

    int x = bounds.center().x() - width() / 2;
    if (available.isValid())
        x = std::clamp(x, available.left(),
                       std::max(available.left(), available.right() - width()));
    m_arrowX = std::clamp(bounds.center().x() - x, int(cornerRadius) + arrowHalfWidth,
                          width() - int(cornerRadius) - arrowHalfWidth);
    int y = m_pointsUp ? bounds.bottom() : windowTop - height();
    // A window about as tall as the screen leaves room on neither side: the
    // panel then stays on screen, over the content but not over the menu bar.
    if (available.isValid() && m_pointsUp)
        y = std::max({std::min(y, available.bottom() - height()), bounds.top(), available.top()});
    placeContent();
    move(x, y);
    show();
    m_view->setFocus();
}

void HistoryPanel::placeContent()
{
    m_view->setGeometry(0, m_pointsUp ? arrowHeight : 0, contentSize.width(), contentSize.height());
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

QPainterPath HistoryPanel::outline() const
{
    const QRectF body(0, m_pointsUp ? arrowHeight : 0, contentSize.width(), contentSize.height());
    QPainterPath path;
    path.addRoundedRect(body, cornerRadius, cornerRadius);
    QPainterPath arrow;
    const qreal edge = m_pointsUp ? body.top() : body.bottom();
    const qreal tip = m_pointsUp ? 0 : height();
    arrow.moveTo(m_arrowX - arrowHalfWidth, edge + (m_pointsUp ? 1 : -1));
    arrow.lineTo(m_arrowX, tip);
    arrow.lineTo(m_arrowX + arrowHalfWidth, edge + (m_pointsUp ? 1 : -1));
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

// A press on the button that opened the panel closes it, and must not
// reach the button as a click that opens it again. Decided for each press
// on its own: any other press outside may reach what it lands on.
void HistoryPanel::mousePressEvent(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    const bool onOpener = m_openedBy && !rect().contains(event->position().toPoint())
                          && m_openedBy->rect().contains(m_openedBy->mapFromGlobal(global));
    setAttribute(Qt::WA_NoMouseReplay, onOpener);
    QWidget::mousePressEvent(event);
}

void HistoryPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit closed();
}

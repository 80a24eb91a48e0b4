#include "gui/map/mapcanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

TMapCanvas::TMapCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("im1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted by the map painter.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMapCanvas::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (!m_area) {
        p.fillRect(event->rect(), m_options.Background);
        return;
    }
    TMapViewOptions options = m_options;
    options.Active = m_activeOn ? m_activeCell : TGridPoint{};
    const TMapPainter painter(*m_area, options);
    painter.Paint(p, event->rect());
}

void TMapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    emit im1MouseMove(event->position().toPoint(), event->modifiers());
}

void TMapCanvas::mousePressEvent(QMouseEvent* event)
{
    // A press without a preceding move (a touch, a click right after scrolling) still acts
    // on the cell under the pointer.
    emit im1MouseMove(event->position().toPoint(), event->modifiers());
    m_leftPressed = event->button() == Qt::LeftButton;
    emit im1MouseDown(event->button(), event->position().toPoint(), event->modifiers());
}

void TMapCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_leftPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (click)
        emit im1Click();
}

void TMapCanvas::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit MouseLeft();
}

void TMapCanvas::keyPressEvent(QKeyEvent* event)
{
    if (m_takesWalkingKeys) {
        switch (event->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
        case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
        case Qt::Key_Space: case Qt::Key_Backspace:
            event->accept();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

#include "gui/map/mapcanvas.h"

#include "gui/map/cellannouncement.h"
#include "gui/map/mapcanvasaccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

TMapCanvas::TMapCanvas(QWidget* parent)
    : QWidget(parent), TellScreenReader([](QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); })
{
    // Before anything asks for the canvas's interface, or a plain one is kept for it.
    TMapCanvasAccessible::Install();
    setObjectName(QStringLiteral("im1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted by the map painter.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Map"));
}

void TMapCanvas::SetCurrentCell(TGridPoint cell)
{
    const bool moved = !(cell == m_currentCell);
    const QString text = CellText(cell);
    m_currentCell = cell;
    if (!moved && text == m_announced)
        return;
    m_announced = text;
    // A step focuses the new cell's object; a change on the spot renames the cell.
    QAccessibleEvent event(this, moved && hasFocus() ? QAccessible::Focus : QAccessible::NameChanged);
    event.setChild(0);
    TellScreenReader(event);
}

void TMapCanvas::SetWalkState(bool handMode, bool penDown)
{
    if (handMode == m_handMode && penDown == m_penDown)
        return;
    // Entering hand mode says where the walk starts, even on the cell heard last.
    if (handMode && !m_handMode)
        m_announced.clear();
    m_handMode = handMode;
    m_penDown = penDown;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    TellScreenReader(event);
}

QString TMapCanvas::CellText(TGridPoint cell) const
{
    return m_area ? CellAnnouncement(*m_area, cell) : QStringLiteral("No area");
}

QString TMapCanvas::ModeText() const
{
    return MapModeAnnouncement(m_handMode, m_penDown);
}

QRect TMapCanvas::CellRect(TGridPoint cell) const
{
    return m_area ? TMapPainter(*m_area, m_options).ActiveFrameRect(cell) : QRect();
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

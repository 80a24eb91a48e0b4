#include "gui/map/mapcanvasaccessible.h"

#include "gui/map/mapcanvas.h"

namespace {
QAccessibleInterface* CanvasFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TMapCanvas") && object && object->isWidgetType())
        return new TMapCanvasAccessible(static_cast<TMapCanvas*>(object));
    return nullptr;
}
} // namespace

void TMapCanvasAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CanvasFactory);
        return true;
    }();
    (void)installed;
}

TMapCanvasAccessible::TMapCanvasAccessible(TMapCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Canvas) {}

TMapCanvasAccessible::~TMapCanvasAccessible()
{
    for (const auto& [cell, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

TMapCanvas* TMapCanvasAccessible::Canvas() const
{
    return static_cast<TMapCanvas*>(widget());
}

QString TMapCanvasAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Description: return Canvas()->ModeText();
    case QAccessible::Value: return Canvas()->CellText(Canvas()->CurrentCell());
    default: return QAccessibleWidget::text(t);
    }
}

QAccessibleInterface* TMapCanvasAccessible::child(int index) const
{
    if (index != 0)
        return nullptr;
    const TGridPoint cell = Canvas()->CurrentCell();
    const auto key = std::make_pair(cell.X, cell.Y);
    auto it = m_cells.find(key);
    if (it == m_cells.end())
        it = m_cells.emplace(key, QAccessible::registerAccessibleInterface(new TMapCellAccessible(Canvas(), cell)))
                 .first;
    return QAccessible::accessibleInterface(it->second);
}

int TMapCanvasAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child == this->child(0) ? 0 : -1;
}

QAccessibleInterface* TMapCanvasAccessible::childAt(int x, int y) const
{
    QAccessibleInterface* cell = child(0);
    return cell->rect().contains(x, y) ? cell : nullptr;
}

QAccessibleInterface* TMapCanvasAccessible::focusChild() const
{
    return Canvas()->hasFocus() ? child(0) : nullptr;
}

QWindow* TMapCellAccessible::window() const
{
    return m_canvas ? m_canvas->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TMapCellAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_canvas.data());
}

QString TMapCellAccessible::text(QAccessible::Text t) const
{
    if (!m_canvas)
        return {};
    switch (t) {
    case QAccessible::Name: return m_canvas->CellText(m_cell);
    case QAccessible::Description: return m_canvas->ModeText();
    default: return {};
    }
}

QRect TMapCellAccessible::rect() const
{
    if (!m_canvas)
        return {};
    const QRect local = m_canvas->CellRect(m_cell);
    return QRect(m_canvas->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State TMapCellAccessible::state() const
{
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    const bool current = m_canvas && m_canvas->CurrentCell() == m_cell;
    s.selected = current;
    s.focused = current && m_canvas->hasFocus();
    s.invisible = !m_canvas || !m_canvas->isVisible();
    return s;
}

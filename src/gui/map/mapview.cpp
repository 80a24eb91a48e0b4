#include "gui/map/mapview.h"

#include <QScrollBar>

TMapView::TMapView(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("MapPane"));
    m_canvas = new TMapCanvas(this);
    setWidget(m_canvas);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusProxy(m_canvas);
    setBackgroundRole(QPalette::Button);
}

void TMapView::SetArea(const TRoomList* area)
{
    m_area = area;
    m_canvas->SetArea(area);
    m_canvas->update();
}

long long TMapView::ApplyGeometry(int zoomPercent, int widthCells, int heightCells)
{
    m_geometry = TMapGeometry(zoomPercent, widthCells, heightCells);
    TMapViewOptions options = m_canvas->Options();
    options.ZoomPercent = zoomPercent;
    m_canvas->SetOptions(options);
    m_canvas->setFixedSize(m_geometry.PictureSize());
    RepaintMap();
    return m_geometry.PixelCount();
}

void TMapView::SetSwitches(bool grid, bool roomCenters, bool roomFill)
{
    TMapViewOptions options = m_canvas->Options();
    options.Grid = grid;
    options.RoomCenters = roomCenters;
    options.RoomFill = roomFill;
    m_canvas->SetOptions(options);
    RepaintMap();
}

void TMapView::RepaintMap()
{
    m_canvas->update();
}

QRect TMapView::CellPixels(TGridPoint cell) const
{
    return TMapPainter(*m_area, m_canvas->Options()).ActiveFrameRect(cell);
}

void TMapView::PaintRoom(const TRoom& room)
{
    m_canvas->update(TMapPainter(*m_area, m_canvas->Options()).RoomPaintRect(room));
}

void TMapView::PaintActive(bool on, TGridPoint cell)
{
    if (m_followActive) {
        StepTowards(CellInner(cell));
    }
    if (on) {
        if (m_canvas->ActiveFrameOn() && !(m_canvas->ActiveFrameCell() == cell))
            m_canvas->update(CellPixels(m_canvas->ActiveFrameCell()));
        m_canvas->SetActiveFrame(true, cell);
        m_canvas->update(CellPixels(cell));
    } else if (m_canvas->ActiveFrameOn() && m_canvas->ActiveFrameCell() == cell) {
        // Off restores the cell's own border, which the painter draws from the model.
        m_canvas->SetActiveFrame(false, cell);
        m_canvas->update(CellPixels(cell));
    }
}

QRect TMapView::CellInner(TGridPoint cell) const
{
    const TMapGeometry& g = m_geometry;
    return QRect(QPoint(g.GetLeft(cell.X), g.GetTop(cell.Y)), QPoint(g.GetRight(cell.X) - 1, g.GetBottom(cell.Y) - 1));
}

QRect TMapView::VisiblePixels() const
{
    return QRect(horizontalScrollBar()->value(), verticalScrollBar()->value(), viewport()->width(),
                 viewport()->height());
}

bool TMapView::StepTowards(const QRect& cell)
{
    const QRect visible = VisiblePixels();
    const int step = 3 * m_geometry.CellSize();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const int oldH = h->value(), oldV = v->value();
    if (cell.left() < visible.left())
        h->setValue(oldH - step);
    else if (cell.right() > visible.right())
        h->setValue(oldH + step);
    if (cell.top() < visible.top())
        v->setValue(oldV - step);
    else if (cell.bottom() > visible.bottom())
        v->setValue(oldV + step);
    return h->value() != oldH || v->value() != oldV;
}

void TMapView::ScrollTo(TGridPoint cell)
{
    const QRect target = CellInner(cell);
    // A pane smaller than the step can jump back and forth over the cell: stop once a
    // step no longer brings the view nearer.
    auto distance = [&] {
        const QRect visible = VisiblePixels();
        const int dx = std::max({0, visible.left() - target.left(), target.right() - visible.right()});
        const int dy = std::max({0, visible.top() - target.top(), target.bottom() - visible.bottom()});
        return dx + dy;
    };
    int before = distance();
    while (before > 0) {
        const int h = horizontalScrollBar()->value(), v = verticalScrollBar()->value();
        if (!StepTowards(target))
            break;
        const int after = distance();
        if (after >= before) {
            horizontalScrollBar()->setValue(h);
            verticalScrollBar()->setValue(v);
            break;
        }
        before = after;
    }
}

#pragma once
// The map pane: a scrolling view of the map picture with the zoom geometry, the active
// frame and the scroll rules. It only reads the area.
#include "gui/map/mapcanvas.h"
#include "render/mapgeometry.h"

#include <QScrollArea>

class TMapView : public QScrollArea {
    Q_OBJECT
public:
    explicit TMapView(QWidget* parent);

    TMapCanvas* Canvas() const { return m_canvas; }

    void SetArea(const TRoomList* area);
    // Sizes the picture for the zoom and grid size; returns its pixel count.
    long long ApplyGeometry(int zoomPercent, int widthCells, int heightCells);
    const TMapGeometry& Geometry() const { return m_geometry; }

    TMapViewOptions Options() const { return m_canvas->Options(); }
    // View switches and background; the zoom is ApplyGeometry's.
    void SetSwitches(bool grid, bool roomCenters, bool roomFill);

    void RepaintMap();
    // Repaints what the room draws: its cell and the links to its east, south, south-east
    // and north-east partners.
    void PaintRoom(const TRoom& room);
    void PaintActive(bool on, TGridPoint cell);
    void ScrollTo(TGridPoint cell);

    // In hand mode the view follows the active frame.
    void SetFollowActive(bool follow) { m_followActive = follow; }

    // Pixels the active frame of a cell covers, and the cell's inner pixels.
    QRect CellPixels(TGridPoint cell) const;
    QRect CellInner(TGridPoint cell) const;
    QRect VisiblePixels() const;

private:
    // One 3-cell scroll step per axis towards the cell; returns whether it moved.
    bool StepTowards(const QRect& cell);

    TMapCanvas* m_canvas;
    const TRoomList* m_area = nullptr;
    TMapGeometry m_geometry{100, 15, 15};
    bool m_followActive = false;
};

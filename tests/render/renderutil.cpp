#include "renderutil.h"

std::unique_ptr<TRoomList> MakeArea(int roomsAcross, int roomsDown)
{
    auto area = std::make_unique<TRoomList>(2 * roomsAcross - 1, 2 * roomsDown - 1);
    area->Colors = DefaultColors();
    return area;
}

TRoom& AddRoom(TRoomList& area, int x, int y, TAreaTypes types)
{
    auto room = std::make_unique<TRoom>();
    room->X = x;
    room->Y = y;
    room->Number = ++area.LastNumber;
    room->AreaTypes = types;
    return *area.Add(std::move(room));
}

TMapViewOptions Options(int zoom, bool grid, bool centers, bool fill)
{
    TMapViewOptions o;
    o.ZoomPercent = zoom;
    o.Grid = grid;
    o.RoomCenters = centers;
    o.RoomFill = fill;
    return o;
}

QImage Render(const TRoomList& area, const TMapViewOptions& options) { return RenderMap(area, options); }

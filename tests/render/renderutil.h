#pragma once
// Small builders for the render tests: areas with rooms and links, rendered pictures.
#include "model/roomlist.h"
#include "render/mappainter.h"

#include <QImage>
#include <memory>

// An empty area of roomsAcross x roomsDown rooms with the default colours.
std::unique_ptr<TRoomList> MakeArea(int roomsAcross, int roomsDown);
// A room on cell (x, y) with the given area types (bit k = type k).
TRoom& AddRoom(TRoomList& area, int x, int y, TAreaTypes types = 0);
TMapViewOptions Options(int zoom, bool grid = true, bool centers = true, bool fill = true);
QImage Render(const TRoomList& area, const TMapViewOptions& options);
// Pixel colour without alpha, as 0xRRGGBB.
inline unsigned Px(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
inline unsigned Rgb(const QColor& c) { return c.rgb() & 0xFFFFFFu; }
// A COLORREF (0x00BBGGRR) as 0xRRGGBB.
inline unsigned RefRgb(int32_t ref) { return Rgb(FromColorRef(ref)); }

constexpr unsigned kBlack = 0x000000, kGrey = 0x808080, kRed = 0xFF0000, kBack = 0xF0F0F0;

#pragma once
// The picture of a default-room button: the colours of the template's area types.
#include "model/room.h"

#include <QImage>
#include <array>

constexpr int DefaultRoomGlyphWidth = 22;
constexpr int DefaultRoomGlyphHeight = 23;

// Button face when the template has no area type; one colour fills the picture; several
// different colours become one-pixel stripes in type order over CellSize - 1 rows.
QImage DefaultRoomGlyph(const TRoom& templateRoom, const std::array<int32_t, 19>& colors, int cellSize);

#pragma once
// The program's own pictures, drawn at run time: the ten map cursors, the pen glyphs of the
// hand mode and the arrows of the room details header. Callers load them once (they need a
// running QGuiApplication) and keep them.
#include <QCursor>
#include <QPixmap>

// Cursor slots. 1..5 are for zoom 75% and above, 6..10 the same roles drawn smaller
// (slot + MapCursorSmallOffset) for 25% and 50%. The cursor on screen tells a click on a
// connector cell which link to make.
enum TMapCursorSlot : int {
    mcHouse = 1, // "CURSOR_HOUSE": an empty room cell
    mcEW = 2,    // "CURSOR_EW": a connector between a western and an eastern room
    mcNS = 3,    // "CURSOR_NS": between a northern and a southern room
    mcNWSE = 4,  // "CURSOR_NWSE": a crossing, north-west to south-east
    mcSWNE = 5,  // "CURSOR_SWNE": a crossing, south-west to north-east
};
constexpr int MapCursorSmallOffset = 5;
constexpr int MapCursorCount = 10;
constexpr int MapCursorSize = 32;
constexpr int PenGlyphSize = 21;
constexpr int ArrowGlyphSize = 16;

// Resource name of a slot ("CURSOR_HOUSE" .. "CURSOR_SWNE2"); empty for a slot outside 1..10.
const char* MapCursorName(int slot);
// A 32 x 32 black-and-white cursor with a small cross at its hot spot; throws std::out_of_range
// for a slot outside 1..10.
QCursor MapCursor(int slot);
// "PEN_UP" / "PEN_DOWN", 21 x 21.
QPixmap PenGlyph(bool down);
// "UP" / "DOWN", 16 x 16: the show and hide buttons of the room details.
QPixmap ArrowGlyph(bool up);

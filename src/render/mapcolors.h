#pragma once
// The fixed colours of the map and the conversion of the area's Windows colour values.
#include <QColor>
#include <cstdint>

// Colour of a Windows COLORREF (0x00BBGGRR).
inline QColor FromColorRef(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline int32_t ToColorRef(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

// An area colour of -1 means "no colour": hatched instead of solid, dotted instead of a stripe.
constexpr int32_t NoColorRef = -1;

inline QColor MapGridColor() { return QColor(0x80, 0x80, 0x80); }
// Room-centre marks and the active-cell frame.
inline QColor MapMarkColor() { return QColor(0xFF, 0x00, 0x00); }
inline QColor MapLineColor() { return QColor(0x00, 0x00, 0x00); }
// Button faces, the map's background unless the editor passes its own palette's colour.
inline QColor DefaultMapBackground() { return QColor(0xF0, 0xF0, 0xF0); }

#pragma once
// The map as a Windows bitmap (or PNG) file: fixed palettes, the indexed copy and the writers.
#include <QColor>
#include <QImage>
#include <QList>

#include <string>

class TRoomList;
struct TMapViewOptions;

// The fixed palette of a 4-bit (16 colours) or 8-bit (256 colours) picture. Both hold the
// background, black, grey, red and every default area colour exactly.
QList<QRgb> MapPalette(int bitsPerPixel, const QColor& background);
// An indexed copy with the fixed palette (16 colours for 4 bits, 256 for 8); colours outside
// the palette take the nearest entry.
QImage ToIndexedPicture(const QImage& rgb, int bitsPerPixel, const QColor& background);
// Writes a Windows BMP of 4 or 8 bits per pixel (from the colour count of the indexed image),
// replacing the file safely; throws EKbError naming the file on failure. The name is the
// program's own choice ("to bmp"), so a symbolic link of that name is replaced, not followed.
void SaveMapBmp(const QImage& indexed, const std::string& fileName);
// The same pixels and palette as a PNG when the name ends in .png (any case), else as BMP;
// a name the user chose is saved through a link as the area save does.
void SaveMapPicture(const QImage& indexed, const std::string& fileName);
// Paints the whole map and writes it at 4 or 8 bits per pixel, as SaveMapPicture does.
void ExportMapPicture(const TRoomList& area, const TMapViewOptions& options, int bitsPerPixel,
                      const std::string& fileName);
// Area file name without its ".arf", "_", the zoom, ".bmp": /a/forest.arf at 150 gives
// /a/forest_150.bmp.
std::string BmpFileName(const std::string& areaFileName, int zoomPercent);

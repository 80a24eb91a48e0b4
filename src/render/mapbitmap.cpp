#include "render/mapbitmap.h"

#include "files/fixednamefile.h"
#include "files/savefile.h"
#include "kberror.h"
#include "render/mappainter.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unordered_map>

namespace {
// The sixteen colours of the classic Windows palette; every default area colour is one of them.
const QRgb kWindowsColors[16] = {
    qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
    qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80), qRgb(0x80, 0x80, 0x80),
    qRgb(0xC0, 0xC0, 0xC0), qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
    qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0xFF),
};
constexpr QRgb kFuchsia = qRgb(0xFF, 0x00, 0xFF);

int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted by how strongly the eye sees each primary.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int NearestIndex(const QList<QRgb>& palette, QRgb c)
{
    int best = 0, bestDistance = Distance(palette[0], c);
    for (int i = 1; i < palette.size() && bestDistance > 0; ++i) {
        const int d = Distance(palette[i], c);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

// The suffix is given in lower case.
bool EndsWithIgnoringCase(const std::string& name, const std::string& suffix)
{
    if (name.size() < suffix.size())
        return false;
    std::string tail = name.substr(name.size() - suffix.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return tail == suffix;
}
} // namespace

QList<QRgb> MapPalette(int bitsPerPixel, const QColor& background)
{
    QList<QRgb> palette;
    palette.reserve(bitsPerPixel == 4 ? 16 : 256);
    palette.append(background.rgb());
    if (bitsPerPixel == 4) {
        // Fifteen of the sixteen: fuchsia is neither a default area colour nor one of the
        // map's own, so it gives way to the background.
        for (QRgb c : kWindowsColors)
            if (c != kFuchsia)
                palette.append(c);
        return palette;
    }
    for (QRgb c : kWindowsColors)
        palette.append(c);
    // A 6 x 6 x 6 colour cube for custom area colours, then a ramp of greys to fill 256.
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 51, b * 51));
    for (int k = 1; palette.size() < 256; ++k)
        palette.append(qRgb(k * 255 / 24, k * 255 / 24, k * 255 / 24));
    return palette;
}

QImage ToIndexedPicture(const QImage& rgb, int bitsPerPixel, const QColor& background)
{
    if (bitsPerPixel != 4 && bitsPerPixel != 8)
        throw EKbError("A map picture has 4 or 8 bits per pixel, not " + std::to_string(bitsPerPixel) + ".");
    const QImage source = rgb.format() == QImage::Format_RGB32 ? rgb : rgb.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> palette = MapPalette(bitsPerPixel, background);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    if (indexed.isNull() && !source.isNull())
        throw EKbError("The map picture is too large.");
    indexed.setColorTable(palette);

    // A map has few colours in long runs: remember the last one and every one met so far.
    std::unordered_map<QRgb, uchar> known;
    for (int i = palette.size() - 1; i >= 0; --i)
        known[palette[i] | 0xFF000000u] = uchar(i);
    QRgb lastColor = 0;
    uchar lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = in[x] | 0xFF000000u;
            if (!haveLast || c != lastColor) {
                auto it = known.find(c);
                if (it == known.end())
                    it = known.emplace(c, uchar(NearestIndex(palette, c))).first;
                lastColor = c;
                lastIndex = it->second;
                haveLast = true;
            }
            out[x] = lastIndex;
        }
    }
    return indexed;
}

namespace {
std::string PictureBytes(const QImage& indexed, const std::string& fileName, const char* format)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 256)
        throw EKbError("Cannot write the picture \"" + fileName + "\": it is not an indexed picture.");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!indexed.save(&buffer, format))
        throw EKbError("Cannot write the picture \"" + fileName + "\".");
    return std::string(bytes.constData(), size_t(bytes.size()));
}
} // namespace

void SaveMapBmp(const QImage& indexed, const std::string& fileName)
{
    // Qt writes 4 bits per pixel for an indexed picture of at most 16 colours, else 8.
    SaveFixedNameFile(fileName, PictureBytes(indexed, fileName, "BMP"));
}

void SaveMapPicture(const QImage& indexed, const std::string& fileName)
{
    SaveFileAtomically(fileName, PictureBytes(indexed, fileName, EndsWithIgnoringCase(fileName, ".png") ? "PNG" : "BMP"));
}

void ExportMapPicture(const TRoomList& area, const TMapViewOptions& options, int bitsPerPixel,
                      const std::string& fileName)
{
    SaveMapPicture(ToIndexedPicture(RenderMap(area, options), bitsPerPixel, options.Background), fileName);
}

std::string BmpFileName(const std::string& areaFileName, int zoomPercent)
{
    // Only a real extension goes: a name without one keeps all its characters.
    std::string base = areaFileName;
    if (EndsWithIgnoringCase(base, ".arf")) {
        base.resize(base.size() - 4);
    } else {
        const std::filesystem::path path(areaFileName);
        if (path.has_extension() && path.has_stem())
            base.resize(base.size() - path.extension().string().size());
    }
    return base + "_" + std::to_string(zoomPercent) + ".bmp";
}

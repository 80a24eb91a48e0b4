#include "gui/room/defaultroomglyph.h"

#include "render/mappainter.h"

#include <QPainter>
#include <vector>

QImage DefaultRoomGlyph(const TRoom& templateRoom, const std::array<int32_t, 19>& colors, int cellSize)
{
    const QColor face = TMapViewOptions{}.Background;
    QImage img(DefaultRoomGlyphWidth, DefaultRoomGlyphHeight, QImage::Format_RGB32);
    img.fill(face);

    std::vector<int32_t> collected;
    for (int k = 1; k <= AreaTypeCount; ++k)
        if (HasAreaType(templateRoom.AreaTypes, k))
            collected.push_back(colors[k]);
    const int n = static_cast<int>(collected.size());
    bool allEqual = true;
    for (int32_t c : collected)
        allEqual = allEqual && c == collected.front();

    QPainter p(&img);
    if (n >= 2 && !allEqual) {
        for (int y = 0; y <= cellSize - 2 && y < DefaultRoomGlyphHeight; ++y) {
            const int32_t c = collected[y % n];
            QPen pen(FromColorRef(c == -1 ? colors[0] : c));
            pen.setWidth(1);
            if (c == -1)
                pen.setStyle(Qt::DotLine);
            p.setPen(pen);
            // The end pixel is not painted: x runs 0 .. 21.
            p.drawLine(0, y, DefaultRoomGlyphWidth - 1, y);
        }
    } else if (n >= 1 && collected.front() != -1) {
        img.fill(FromColorRef(collected.front()));
    }
    return img;
}

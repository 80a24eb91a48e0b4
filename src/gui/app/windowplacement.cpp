#include "gui/app/windowplacement.h"

#include <algorithm>

namespace {
long long Overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}
} // namespace

QRect PlaceOnScreens(const QRect& outer, const QList<QRect>& available)
{
    if (available.isEmpty())
        return outer;
    QRect screen = available.front();
    long long best = 0;
    for (const QRect& candidate : available)
        if (const long long overlap = Overlap(outer, candidate); overlap > best) {
            best = overlap;
            screen = candidate;
        }
    QRect placed(outer.topLeft(), outer.size().boundedTo(screen.size()));
    placed.moveLeft(std::clamp(placed.left(), screen.left(), screen.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), screen.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

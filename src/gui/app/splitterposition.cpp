#include "gui/app/splitterposition.h"

#include <QSplitter>
#include <algorithm>

int SplitterPosition(const QSplitter& splitter)
{
    const QList<int> sizes = splitter.sizes();
    return sizes.value(0) + sizes.value(1) > 0 ? sizes.value(0) : -1;
}

void PlaceSplitter(QSplitter& splitter, int pos)
{
    const QList<int> sizes = splitter.sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (pos <= 0 || sizes.size() < 2)
        return;
    // A stored position larger than the splitter would leave the second part no room.
    if (total > 1)
        pos = std::min(pos, total - 1);
    splitter.setSizes({pos, std::max(total - pos, 1)});
}

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
    if (pos > 0 && sizes.size() >= 2)
        splitter.setSizes({pos, std::max(sizes.value(0) + sizes.value(1) - pos, 1)});
}

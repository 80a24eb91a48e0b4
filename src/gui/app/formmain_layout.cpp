// The item panel's sizes between runs.
#include "gui/app/formmain.h"
#include "gui/app/splitterposition.h"
#include "gui/db/itempane.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QSplitter>
#include <QTableView>

void TFormMain::ApplyItemLayout()
{
    // A panel not yet on screen has no height to divide: it waits until it is shown.
    if (!m_itemLayoutPending || !m_layoutApplied || !m_itemPane->isVisible())
        return;
    m_itemLayoutPending = false;
    // A pane just opened may not have its size yet: the splitters would divide a stale one.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    PlaceSplitter(*m_itemPane->ListSplitter(), m_settings.item_position);
    PlaceSplitter(*m_itemPane->DetailSplitter(), m_settings.itemDet_position);
}

void TFormMain::StoreItemLayout()
{
    TProgramSettings& s = m_settings;
    // Never shown: the positions read at start go back as they were.
    if (!m_itemLayoutPending) {
        if (const int pos = SplitterPosition(*m_itemPane->ListSplitter()); pos > 0)
            s.item_position = pos;
        if (const int pos = SplitterPosition(*m_itemPane->DetailSplitter()); pos > 0)
            s.itemDet_position = pos;
    }
    const QTableView* grid = m_itemPane->Grid();
    s.ItemColumns.clear();
    for (int c = 0; grid->model() && c < grid->model()->columnCount(); ++c)
        s.ItemColumns.push_back(grid->columnWidth(c));
}

#include "gui/room/itemstab.h"

#include "gui/room/roomeditsite.h"

TItemsTab::TItemsTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsItems"));
}

void TItemsTab::ShowRoom()
{
}

#include "gui/room/exitstab.h"

#include "gui/room/roomeditsite.h"

TExitsTab::TExitsTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsSpecExits"));
}

void TExitsTab::ShowRoom()
{
}

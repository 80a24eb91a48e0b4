#include "gui/room/maintab.h"

#include "gui/room/roomeditsite.h"

TMainTab::TMainTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsMain"));
}

void TMainTab::ShowRoom()
{
}

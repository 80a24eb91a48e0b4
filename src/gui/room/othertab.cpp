#include "gui/room/othertab.h"

#include "gui/room/roomeditsite.h"

TOtherTab::TOtherTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsOther"));
}

void TOtherTab::ShowRoom()
{
}

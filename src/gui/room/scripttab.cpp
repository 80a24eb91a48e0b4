#include "gui/room/scripttab.h"

#include "gui/room/roomeditsite.h"

TScriptTab::TScriptTab(TRoomEditSite& site, QWidget* parent) : QWidget(parent), m_site(site)
{
    setObjectName(QStringLiteral("tsScript"));
}

void TScriptTab::ShowRoom()
{
}

#pragma once
// The "Spec.Exits" tab: the room's special exits, their kinds and target rooms.
#include <QWidget>

class TRoomEditSite;

class TExitsTab : public QWidget {
    Q_OBJECT
public:
    TExitsTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

private:
    TRoomEditSite& m_site;
};

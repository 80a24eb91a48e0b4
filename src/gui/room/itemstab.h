#pragma once
// The "Items" tab: the room's items, their synonyms and six texts, and the items clipboard.
#include <QWidget>

class TRoomEditSite;

class TItemsTab : public QWidget {
    Q_OBJECT
public:
    TItemsTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

private:
    TRoomEditSite& m_site;
};

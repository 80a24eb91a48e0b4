#pragma once
// The "Script" tab: the room's own export script in a code editor.
#include <QWidget>

class TRoomEditSite;

class TScriptTab : public QWidget {
    Q_OBJECT
public:
    TScriptTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

private:
    TRoomEditSite& m_site;
};

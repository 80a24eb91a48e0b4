#pragma once
// The "Main" tab: file name, short text, the long descriptions and the area types.
#include <QWidget>

class TRoomEditSite;

class TMainTab : public QWidget {
    Q_OBJECT
public:
    TMainTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

private:
    TRoomEditSite& m_site;
};

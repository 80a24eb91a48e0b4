#pragma once
// The "Other" tab: the day, night and ambient light levels.
#include <QWidget>

class TRoomEditSite;

class TOtherTab : public QWidget {
    Q_OBJECT
public:
    TOtherTab(TRoomEditSite& site, QWidget* parent);

    // Fills the controls from the site's room (none: leaves them alone).
    void ShowRoom();

private:
    TRoomEditSite& m_site;
};

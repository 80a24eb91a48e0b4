#pragma once
// The room details beside the map: a header strip with the active room's number, short
// text, coordinates and exits, the tabs of the room editors and the validation list.
#include "model/room.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;

class TRoomPanel : public QWidget {
    Q_OBJECT
public:
    explicit TRoomPanel(QWidget* parent);

    // The room shown and edited; owned by the area. None hides the editors.
    void SetActiveRoom(TRoom* room);
    TRoom* ActiveRoom() const { return m_activeRoom; }
    // Refreshes the coordinates-and-exits label after links changed.
    void UpdateActiveExits(const TRoom* room);

    // True while SetActiveRoom fills the controls, so that change reactions leave the
    // document alone.
    bool PanelFilling() const { return m_panelFilling; }

    // Height of the header strip, which stays visible when the details are hidden.
    int HeaderHeight() const;
    // Hidden details keep only the header strip; the editors come back with Show.
    void SetCollapsed(bool collapsed);
    bool Collapsed() const { return m_collapsed; }
    QTabWidget* Tabs() const { return m_tabs; }
    QListWidget* ValidationList() const { return m_validation; }

    // Text of the coordinates-and-exits label for a room: " C:R   exits ".
    static QString CoordExitsText(const TRoom& room);

signals:
    void HideDetailsClicked();
    void ShowDetailsClicked();

private:
    void UpdateEditorsVisible();

    TRoom* m_activeRoom = nullptr;
    bool m_panelFilling = false;
    bool m_collapsed = false;

    QWidget* m_header;
    QLineEdit* m_number;
    QLabel* m_short;
    QLabel* m_coordExits;
    QToolButton* m_hide;
    QToolButton* m_show;
    QTabWidget* m_tabs;
    QListWidget* m_validation;
};

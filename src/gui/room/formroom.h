#pragma once
// The room details dialog, "Default room - details": the editors of the details panel on a
// private copy of a room, without the script. The caller prepares it, shows it modally and
// on "&Save" takes over what it needs from WorkRoom(); the room it was prepared with is
// never written.
#include "model/roomlist.h"

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;
class TAsker;
class TExitsTab;
class TItemsTab;
class TMainTab;
class TOtherTab;
class TRoomEditSite;

class TFormRoom : public QDialog {
    Q_OBJECT
public:
    TFormRoom(TAsker& asker, QWidget* parent);
    ~TFormRoom() override;

    // The area whose rooms exits may lead to; exit edits set its Modified flag at once.
    void SetDialogArea(TRoomList* area);
    void SetInfo(const QString& text);
    // Loads a copy of room into the editors, on the "Main" tab.
    void Prepare(const TRoom& room);
    const TRoom& WorkRoom() const { return *m_workRoom; }
    // How the tabs reach the work room; its notices belong in the main window's status bar.
    TRoomEditSite& Site() const { return *m_site; }

    // "&Save": the area types are read from their boxes, then the dialog closes with OK.
    void accept() override;

private:
    std::unique_ptr<TRoom> m_workRoom;
    std::unique_ptr<TRoomEditSite> m_site;
    QLabel* m_info;
    QPushButton* m_save;
    QPushButton* m_cancel;
    QTabWidget* m_tabs;
    TMainTab* m_main;
    TItemsTab* m_items;
    TExitsTab* m_exits;
    TOtherTab* m_other;
};

// The main window's room side: the room details' edits shown on the map, and the current
// default room edited in the room dialog.
#include "gui/app/formmain.h"
#include "gui/app/statuspanels.h"
#include "gui/document/doctext.h"
#include "gui/map/handmode.h"
#include "gui/map/mapview.h"
#include "gui/room/formroom.h"
#include "gui/room/roomeditsite.h"
#include "gui/room/roompanel.h"

#include <QAction>

void TFormMain::WireRoomDetails()
{
    m_formRoom = new TFormRoom(*m_asker, this);
    const TRoomEditSite& site = m_roomPanel->Site();
    connect(&site, &TRoomEditSite::RoomChanged, this, [this](TRoom* room) {
        if (room)
            m_mapView->PaintRoom(*room);
    });
    connect(&site, &TRoomEditSite::MapFocusWanted, this, [this] {
        if (m_handMode->HandModeOn())
            m_mapView->Canvas()->setFocus();
    });
    // The dialog's copy and paste counts show where the panel's do.
    connect(&m_formRoom->Site(), &TRoomEditSite::Notice, this,
            [this](const QString& text) { m_status->SetText(TStatusPanels::Clipboard, text); });
    connect(m_menu.miDefaultRoom, &QAction::triggered, this, &TFormMain::EditDefaultRoom);
}

void TFormMain::EditDefaultRoom()
{
    TRoom& current = m_document.Templates().CurrentDefaultRoom();
    const std::string exits = current.ObviousExitsText();
    m_formRoom->SetInfo(exits.empty() ? QString() : QStringLiteral("  ") + DocToQt(exits));
    m_formRoom->SetDialogArea(&m_document.Area());
    m_formRoom->Prepare(current);
    // Keys typed into the dialog must not change the map's cursor under it.
    m_handMode->KeyCursorRefresh = false;
    const bool saved = m_formRoom->exec() == QDialog::Accepted;
    m_handMode->KeyCursorRefresh = true;
    if (saved) {
        current.AssignContents(m_formRoom->WorkRoom());
        current.FileName = m_formRoom->WorkRoom().FileName;
        m_document.SetModified(true);
    } else {
        // Exit edits in the dialog may have set the area's flag on their own.
        m_document.SetModified(m_document.Area().Modified);
    }
}

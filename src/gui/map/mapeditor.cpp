#include "gui/map/mapeditor.h"

#include "gui/map/cursorfactory.h"
#include "gui/map/mapview.h"

#include <QApplication>

bool IsRoomCell(TGridPoint c)
{
    return c.X % 2 != 0 && c.Y % 2 != 0;
}

namespace {
bool InGrid(const TRoomList& area, TGridPoint c)
{
    return c.X >= 1 && c.X <= area.Width && c.Y >= 1 && c.Y <= area.Height;
}
} // namespace

TMapCursorTable LoadMapCursors()
{
    TMapCursorTable table;
    table[0] = QCursor(Qt::ArrowCursor);
    for (int slot = 1; slot <= MapCursorCount; ++slot)
        table[slot] = MapCursor(slot);
    return table;
}

TLinkLine LinkOfCursorSlot(int slot)
{
    if (slot < mcEW || slot > MapCursorCount)
        return TLinkLine::None;
    switch ((slot - 1) % MapCursorSmallOffset + 1) {
    case mcEW: return TLinkLine::WE;
    case mcNS: return TLinkLine::NS;
    case mcNWSE: return TLinkLine::NWSE;
    case mcSWNE: return TLinkLine::SWNE;
    default: return TLinkLine::None;
    }
}

int CursorSlotOfLink(TLinkLine line)
{
    switch (line) {
    case TLinkLine::WE: return mcEW;
    case TLinkLine::NS: return mcNS;
    case TLinkLine::NWSE: return mcNWSE;
    case TLinkLine::SWNE: return mcSWNE;
    default: return 0;
    }
}

TMapEditor::TMapEditor(TAreaDocument& document, TMapView& view, QObject* parent)
    : QObject(parent), Beep([] { QApplication::beep(); }), m_document(document), m_view(view),
      m_cursors(LoadMapCursors())
{
    m_view.SetArea(&m_document.Area());
    connect(&m_document, &TAreaDocument::AreaReplaced, this, [this] { m_view.SetArea(&m_document.Area()); });
    connect(&m_document, &TAreaDocument::AreaChanged, this, &TMapEditor::FollowHistory);
    TMapCanvas* canvas = m_view.Canvas();
    connect(canvas, &TMapCanvas::im1MouseMove, this, &TMapEditor::im1MouseMove);
    connect(canvas, &TMapCanvas::im1MouseDown, this, &TMapEditor::im1MouseDown);
    connect(canvas, &TMapCanvas::im1Click, this, [this] { im1Click(true); });
    connect(canvas, &TMapCanvas::MouseLeft, this, &TMapEditor::MouseLeft);
}

void TMapEditor::ShowCursorSlot(int slot)
{
    m_cursorSlot = slot;
    m_view.Canvas()->setCursor(m_cursors[slot]);
}

int TMapEditor::LinkCursorSlot(TLinkLine line) const
{
    const int slot = CursorSlotOfLink(line);
    return slot ? slot + m_cursorOffset : 0;
}

void TMapEditor::SetCursorCellNone()
{
    m_state.CursorCell = {-1, -1};
    emit CursorCellChanged(m_state.CursorCell);
    ShowCursorSlot(0);
}

void TMapEditor::im1MouseMove(QPoint pixel, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    m_state.RawCell = m_view.Geometry().RawCellAt(pixel.x(), pixel.y());
    if (m_state.RawCell == m_state.CursorCell && ctrl == m_state.CtrlState)
        return;
    m_state.CtrlState = ctrl;
    m_ctrlHeld = ctrl;
    if (!InGrid(m_document.Area(), m_state.RawCell)) {
        SetCursorCellNone();
        return;
    }
    const TGridPoint c = m_state.RawCell;
    m_state.CursorCell = c;
    CheckCursor();
    emit CursorCellChanged(c);
}

void TMapEditor::MouseLeft()
{
    SetCursorCellNone();
}

void TMapEditor::im1MouseDown(Qt::MouseButton button, QPoint, Qt::KeyboardModifiers)
{
    switch (button) {
    case Qt::LeftButton: m_state.EraseGesture = 0; break;
    case Qt::RightButton: m_state.EraseGesture = 1; break;
    case Qt::MiddleButton: m_state.EraseGesture = 2; break;
    default: return;
    }
    if (button == Qt::RightButton)
        im1Click(true);
}

void TMapEditor::CheckCursor()
{
    const TRoomList& area = m_document.Area();
    const TGridPoint c = m_state.CursorCell;
    int slot = 0;
    if (c.X == -1 || c.Y == -1 || m_handMode || !InGrid(area, c))
        slot = 0;
    else if (IsRoomCell(c))
        slot = area.RoomAt(c) ? 0 : mcHouse + m_cursorOffset;
    else
        slot = LinkCursorSlot(ConnectorLine(area, c, m_ctrlHeld));
    ShowCursorSlot(slot);
}

void TMapEditor::im1Click(bool fromMouse)
{
    m_view.Canvas()->setFocus();
    TRoomList& area = m_document.Area();
    const TGridPoint cell = m_state.CursorCell;
    if (cell.X == -1 || cell.Y == -1)
        return;
    // A cell left over from a larger area is not on the grid any more.
    if (!InGrid(area, cell))
        return;

    if (TRoom* r = area.RoomAt(cell))
        ChooseRoom(r, fromMouse);
    else if (IsRoomCell(cell))
        BuildOn(cell, fromMouse);
    else
        LinkOn(cell);
    CheckCursor();
    AnnounceActive();
}

void TMapEditor::BuildOn(TGridPoint cell, bool fromMouse)
{
    m_state.PrevActiveCell = m_state.ActiveCell;
    m_state.ActiveCell = cell;
    // In hand mode the mouse only moves the active cell.
    if (m_handMode && fromMouse) {
        m_view.PaintActive(false, m_state.PrevActiveCell);
        return;
    }
    TRoomList& area = m_document.Area();
    const TBuildResult built = BuildRoom(area, cell, &m_document.Templates().CurrentDefaultRoom());
    m_view.PaintActive(false, m_state.PrevActiveCell);
    m_document.SetActiveRoom(built.Room);
    if (built.SplitLinks)
        m_view.RepaintMap();
    else
        m_view.PaintRoom(*built.Room);
    m_document.AddMark();
}

void TMapEditor::LinkOn(TGridPoint cell)
{
    TRoomList& area = m_document.Area();
    const TLinkLine line = LinkOfCursorSlot(m_cursorSlot);
    bool changed = false;
    // A connector without a room on both sides shows no link cursor; clicking it still
    // tells the user that nothing can be joined there.
    if (line != TLinkLine::None && LinkLine(area, line, cell, m_state.EraseGesture != 1)) {
        if (const TRoom* first = area.RoomAt(area.LastLinkPos))
            m_view.PaintRoom(*first);
        changed = true;
    } else if (Beep) {
        Beep();
    }
    if (m_state.EraseGesture == 1)
        m_view.RepaintMap(); // an unlinked line must disappear
    if (changed)
        m_document.AddMark();
}

void TMapEditor::ChooseRoom(TRoom* room, bool fromMouse)
{
    m_state.PrevActiveCell = m_state.ActiveCell;
    m_state.ActiveCell = room->Cell();
    m_document.SetActiveRoom(room);
    m_view.PaintActive(false, m_state.PrevActiveCell);
    if ((m_handMode && fromMouse) || m_state.EraseGesture != 1)
        return;
    m_document.SetActiveRoom(nullptr);
    EraseRoom(m_document.Area(), room); // the returned room dies here
    m_view.RepaintMap();
    m_document.AddMark();
}

void TMapEditor::SelectRoom(TRoom* room)
{
    m_view.PaintActive(false, m_state.ActiveCell);
    m_state.PrevActiveCell = m_state.ActiveCell;
    m_state.ActiveCell = room->Cell();
    m_document.SetActiveRoom(room);
    m_view.PaintActive(true, m_state.ActiveCell);
    m_view.ScrollTo(m_state.ActiveCell);
    AnnounceActive();
}

void TMapEditor::AnnounceActive()
{
    if (!m_holdAnnouncements)
        m_view.Canvas()->SetCurrentCell(m_state.ActiveCell);
}

void TMapEditor::HoldAnnouncements(bool hold)
{
    m_holdAnnouncements = hold;
    AnnounceActive();
}

void TMapEditor::RefreshActiveRoom()
{
    m_document.SetActiveRoom(m_document.Area().RoomAt(m_state.ActiveCell));
}

void TMapEditor::FollowHistory(TAreaChange change)
{
    // Undo and redo replaced the contents, so the active room always comes from the cell again.
    const bool restored = change != TAreaChange::Mark;
    if (restored || m_document.RefreshOnUndo)
        RefreshActiveRoom();
    if (restored)
        m_view.RepaintMap();
    AnnounceActive();
}

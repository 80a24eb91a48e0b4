#pragma once
// Mouse gestures on the map: the cell under the pointer and its cursor, and the click action
// that builds, links, unlinks, erases and chooses the active room. The rules themselves are
// the core's (model/mapedit.h); this class applies them, repaints and records undo marks on
// the document.
#include "gui/document/areadocument.h"
#include "model/mapedit.h"

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <array>
#include <functional>

class TAreaDocument;
class TMapView;

// The interaction state shared with the keyboard walker.
struct TMapInteraction {
    TGridPoint CursorCell{-1, -1}; // the cell the next click acts on
    TGridPoint RawCell{};          // from the last mouse position, before the range check
    TGridPoint ActiveCell{1, 1};
    TGridPoint PrevActiveCell{1, 1};
    uint8_t EraseGesture = 0;      // 0 left, 1 right (erase), 2 middle
    bool CtrlState = false;        // Ctrl as seen at the last mouse move
};

// Rooms stand on cells whose coordinates are both odd.
bool IsRoomCell(TGridPoint c);

// Cursor slot 0 is the default arrow; 1..10 the map cursors.
using TMapCursorTable = std::array<QCursor, 11>;
TMapCursorTable LoadMapCursors();
// The link a click on a connector makes when the cursor of this slot is shown.
TLinkLine LinkOfCursorSlot(int slot);
int CursorSlotOfLink(TLinkLine line);

class TMapEditor : public QObject {
    Q_OBJECT
public:
    TMapEditor(TAreaDocument& document, TMapView& view, QObject* parent);

    TMapInteraction& State() { return m_state; }
    const TMapInteraction& State() const { return m_state; }

    // Gestures of the map picture.
    void im1MouseMove(QPoint pixel, Qt::KeyboardModifiers modifiers);
    void im1MouseDown(Qt::MouseButton button, QPoint pixel, Qt::KeyboardModifiers modifiers);
    void MouseLeft();
    // The click action on CursorCell; fromMouse is the sender (false for keyboard steps).
    void im1Click(bool fromMouse = true);

    // Re-evaluates the cursor for CursorCell with the Ctrl state last seen.
    void CheckCursor();
    void SetCtrlHeld(bool held) { m_ctrlHeld = held; }
    // Slots 1..5 at 75% and above, 6..10 below.
    void SetLargeCursors(bool large) { m_cursorOffset = large ? 0 : 5; }
    // The cursor on screen, which also records the link a connector click makes.
    int CursorSlot() const { return m_cursorSlot; }
    void ShowCursorSlot(int slot);
    // The link cursor of the current set for a line (the walker puts it up).
    int LinkCursorSlot(TLinkLine line) const;

    void SetHandMode(bool on) { m_handMode = on; }
    bool HandMode() const { return m_handMode; }

    // The room on the active cell becomes the active room.
    void RefreshActiveRoom();
    // Makes the room the active one chosen from elsewhere (the validation report): the frame
    // moves to its cell and the map scrolls to it.
    void SelectRoom(TRoom* room);

    // Tells a screen reader about the active cell. While held (one keyboard step of several
    // clicks), only the release tells, so that a step is spoken once.
    void AnnounceActive();
    void HoldAnnouncements(bool hold);

    // The system beep of a failed link gesture; replaceable so that tests can count it.
    std::function<void()> Beep;

signals:
    // The cell under the pointer; (-1, -1) when the pointer is off the grid.
    void CursorCellChanged(TGridPoint cell);

private:
    // Undo, redo and every mark: repaint and refresh the active room as they require.
    void FollowHistory(TAreaChange change);
    void BuildOn(TGridPoint cell, bool fromMouse);
    void LinkOn(TGridPoint cell);
    void ChooseRoom(TRoom* room, bool fromMouse);
    void SetCursorCellNone();

    TAreaDocument& m_document;
    TMapView& m_view;

    TMapInteraction m_state;
    TMapCursorTable m_cursors;
    int m_cursorSlot = 0;
    int m_cursorOffset = 0;
    bool m_ctrlHeld = false;
    bool m_handMode = false;
    bool m_holdAnnouncements = false;
};

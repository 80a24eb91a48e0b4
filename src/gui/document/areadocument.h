#pragma once
// The area being edited, its undo history, the active room and the default rooms. The map,
// the room details and the database panes talk to each other only through this object:
// they change the area in place, record the change here, and follow the signals.
#include "gui/document/defaultrooms.h"
#include "model/areaundo.h"

#include <QObject>
#include <memory>
#include <string>

// A fresh area of the start size.
constexpr int DefaultMapCells = 15;

// What moved the area's undo history.
enum class TAreaChange { Mark, Undo, Redo };

class TAreaDocument : public QObject {
    Q_OBJECT
public:
    explicit TAreaDocument(QObject* parent = nullptr);

    // The area object is replaced as a whole by New and Open: reach it through Area(), never
    // by keeping a pointer across AreaReplaced.
    TRoomList& Area() { return *m_area; }
    const TRoomList& Area() const { return *m_area; }
    const TAUndoList& Undo() const { return m_undo; }

    // --- edits
    // Records the area as it stands, Modified flag included, on the undo history.
    void AddMark();
    // Modified := true, then AddMark: the usual end of an edit.
    void RecordEdit();
    void SetModified(bool modified);
    // Undo and redo copy a snapshot back into the same area object; the active room is
    // let go first, as it belongs to the contents being replaced.
    // Both first take over the field being typed in, so that its text is a step of its own.
    void UndoEdit();
    void RedoEdit();
    // Asks the room details to store what the field being typed in holds, as leaving it
    // would. Everything that reads the area (saving, questions, exports, checks, copies,
    // undo) calls this first.
    void CommitTyping();

    // --- whole areas
    // Takes a new area in place of the current one and starts its history afresh.
    void Replace(std::unique_ptr<TRoomList> area);
    // Loads an area file into an area of its own, so that a file failing half-way never
    // replaces the user's; then takes its default rooms and the area. Throws on failure.
    void Open(const std::string& fileName);
    // Takes an area read elsewhere (a recovery copy), its default rooms included, as Open
    // takes a loaded file; its name and Modified flag stay as they are.
    void Adopt(std::unique_ptr<TRoomList> loaded);
    // Writes the area with the default rooms to fileName, which becomes the area's name;
    // clears Modified. Throws on failure, leaving name and flag as they were. The field
    // being typed in is taken over first.
    void SaveAs(const std::string& fileName);

    // --- active room: the room the details show and edit; owned by the area
    TRoom* ActiveRoom() const { return m_activeRoom; }
    // Always announced, also for the same room: a panel refills itself from it.
    void SetActiveRoom(TRoom* room);
    // While set, every change of the history makes the room on the active cell the active
    // one again; editors clear it around marks that must keep their own selection.
    bool RefreshOnUndo = true;

    // --- default rooms
    TDefaultRooms& Templates() { return m_templates; }
    const TDefaultRooms& Templates() const { return m_templates; }
    void SelectTemplate(int index);

signals:
    // CommitTyping: the room details store their focused field now.
    void CommitWanted();
    // A new area object: views let go of the old one. Its first mark follows.
    void AreaReplaced();
    // After every mark, undo and redo.
    void AreaChanged(TAreaChange change);
    void ActiveRoomChanged(TRoom* room);
    void ModifiedChanged(bool modified);
    // Another template was chosen or the templates were replaced.
    void TemplatesChanged();

private:
    // Announces the area's Modified flag when it differs from the one last announced.
    void FollowModified();

    std::unique_ptr<TRoomList> m_area;
    TAUndoList m_undo;
    TDefaultRooms m_templates;
    TRoom* m_activeRoom = nullptr;
    bool m_announcedModified = false;
    bool m_committing = false;
};

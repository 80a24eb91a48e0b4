#pragma once
#include "model/room.h"

#include <memory>
#include <vector>

// Area-wide settings that travel with the area file; TRoomList adds the rooms.
struct TAreaFields {
    bool Modified = false;
    bool AutoSort = true;
    int32_t Width = 0;
    int32_t Height = 0;
    TGridPoint LastLinkPos{};
    std::string FileName = "Noname.arf";
    uint8_t FileNameFormat = 1; // 0 None, 1 X-Y, 2 Ascending
    std::string FilePrefix = "Noname";
    std::string FileMiddle = "_";
    std::string FilePostfix;
    int32_t LastNumber = 0;
    uint8_t FileDigits = 1;
    TStrings FileHeader;
    std::array<int32_t, 19> Colors{};
    TStrings ScriptTemplate;
    int32_t WrapFirst = 40;
    int32_t WrapOther = 75;
    int32_t EditorHeight = 240;

    friend bool operator==(const TAreaFields&, const TAreaFields&) = default;
};

enum TFileNameFormat : uint8_t { fnfNone = 0, fnfXY = 1, fnfAscending = 2 };

// Built-in defaults of a new area.
const TStrings& DefaultFileHeader();
const TStrings& DefaultScriptTemplate();
const std::array<int32_t, 19>& DefaultColors();

// The area: rooms kept in position order (Y, then X) plus the area-wide settings.
class TRoomList : public TAreaFields {
public:
    TRoomList(int32_t width, int32_t height);
    TRoomList(const TRoomList&) = delete;
    TRoomList& operator=(const TRoomList&) = delete;

    TRList DefaultRooms;

    // A room reached through a non-const accessor counts as changed until the next undo mark
    // records it; one edited through a pointer kept from before that mark must be touched.
    int Count() const { return static_cast<int>(m_rooms.size()); }
    TRoom& operator[](int i) { return Changing(i); }
    const TRoom& operator[](int i) const { return *m_rooms[i].Room; }
    int IndexOf(const TRoom* room) const;
    // Counts the room as changed; the pointer is only compared, so a dangling one is harmless.
    void Touch(const TRoom* room);

    // Destroys all rooms and template rooms, LastNumber := 0; other fields stay.
    void Clear();
    // Deep copy of a whole area into this (empty) one; rooms end in position order.
    void Assign(const TRoomList& source);

    TRoom* Add(std::unique_ptr<TRoom> room);
    // The same as adding each room in turn, with one sort instead of a move per room.
    void AddRooms(std::vector<std::unique_ptr<TRoom>> rooms);
    // Take a room out without destroying it; the caller owns it then.
    std::unique_ptr<TRoom> Delete(int index);
    std::unique_ptr<TRoom> Remove(const TRoom* room);

    TRoom* RoomAt(int32_t x, int32_t y);
    const TRoom* RoomAt(int32_t x, int32_t y) const;
    TRoom* RoomAt(TGridPoint p) { return RoomAt(p.X, p.Y); }
    const TRoom* RoomAt(TGridPoint p) const { return RoomAt(p.X, p.Y); }

    // Nearest room on each side of (x, y) along one axis; both must exist.
    bool ScanWE(int32_t x, int32_t y, TGridPoint& back, TGridPoint& forward) const;
    bool ScanNS(int32_t x, int32_t y, TGridPoint& back, TGridPoint& forward) const;
    bool ScanNWSE(int32_t x, int32_t y, TGridPoint& back, TGridPoint& forward) const;
    bool ScanSWNE(int32_t x, int32_t y, TGridPoint& back, TGridPoint& forward) const;

    // Join (link) or separate the two rooms found by the matching scan.
    bool LinkWE(int32_t x, int32_t y, bool link);
    bool LinkNS(int32_t x, int32_t y, bool link);
    bool LinkNWSE(int32_t x, int32_t y, bool link);
    bool LinkSWNE(int32_t x, int32_t y, bool link);

    void SortByPosition();
    void SortByNumber();
    bool InPositionOrder() const { return m_positionOrdered; }

    // Numbering and default file name of a room about to be added, then the template's contents.
    void NewRoomCreated(TRoom& room, const TRoom* templateRoom);
    // Gives the newest number back when that room was erased.
    void RoomErased(const TRoom& room);
    std::string XYFileName(int32_t x, int32_t y) const;
    std::string AscendingFileName(int32_t number) const;

    // Replaces all rooms at once and puts them in position order.
    void AdoptRooms(std::vector<std::unique_ptr<TRoom>> rooms);

    // For the undo history. Each room keeps the immutable copy last recorded or restored for
    // it, so a mark reads only the rooms changed since, and shares every other one.
    std::vector<std::shared_ptr<const TRoom>> RecordRooms() const;
    // Makes the rooms those recorded, in position order (sorted unless they were recorded in
    // it). A room that still equals its recorded copy stays as it is, unread; the others are
    // copied back.
    void RestoreRooms(const std::vector<std::shared_ptr<const TRoom>>& recorded, bool inPositionOrder);

private:
    struct TSlot {
        explicit TSlot(std::unique_ptr<TRoom> room, std::shared_ptr<const TRoom> recorded = nullptr)
            : Room(std::move(room)), Recorded(std::move(recorded)), Changed(!Recorded)
        {
        }
        std::unique_ptr<TRoom> Room;
        // Bookkeeping of a const snapshot: equal to *Room whenever Changed is false.
        mutable std::shared_ptr<const TRoom> Recorded;
        mutable bool Changed = true;
    };
    TRoom& Changing(int i)
    {
        m_rooms[i].Changed = true;
        return *m_rooms[i].Room;
    }
    int IndexAt(int32_t x, int32_t y) const;

    enum class ScanAxis { WE, NS, NWSE, SWNE };
    bool Scan(ScanAxis axis, int32_t x, int32_t y, TGridPoint& back, TGridPoint& forward) const;
    // Index of the first room at or after the cell in position order.
    size_t FirstAtOrAfter(int64_t x, int64_t y) const;
    // The nearest room on a line of cells, looked up by rooms, not cell by cell.
    bool NearestOnLine(int64_t x, int64_t y, int sx, int sy, int64_t steps, TGridPoint& found) const;
    bool Link(ScanAxis axis, int32_t x, int32_t y, bool link);
    void SortIfNeeded();

    std::vector<TSlot> m_rooms;
    bool m_positionOrdered = true;
};

// Position order: Y first, then X, ascending.
inline bool PositionLess(const TRoom& a, const TRoom& b)
{
    return a.Y != b.Y ? a.Y < b.Y : a.X < b.X;
}

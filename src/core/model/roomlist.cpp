#include "model/roomlist.h"

#include "kberror.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <cstdio>

namespace {
// Orders the list's slots, whose type is private to it.
constexpr auto SlotPositionLess = [](const auto& a, const auto& b) { return PositionLess(*a.Room, *b.Room); };

// Sign of the comparison of a room's cell with (x, y) in position order.
int ComparePosition(const TRoom& r, int32_t x, int32_t y)
{
    if (r.Y != y)
        return r.Y < y ? -1 : 1;
    if (r.X != x)
        return r.X < x ? -1 : 1;
    return 0;
}
} // namespace

TRoomList::TRoomList(int32_t width, int32_t height)
{
    Width = width;
    Height = height;
    FileHeader = DefaultFileHeader();
    ScriptTemplate = DefaultScriptTemplate();
    Colors = DefaultColors();
}

int TRoomList::IndexOf(const TRoom* room) const
{
    for (size_t i = 0; i < m_rooms.size(); ++i)
        if (m_rooms[i].Room.get() == room)
            return static_cast<int>(i);
    return -1;
}

void TRoomList::Touch(const TRoom* room)
{
    if (!room)
        return;
    if (const int i = IndexOf(room); i >= 0)
        m_rooms[i].Changed = true;
}

void TRoomList::Clear()
{
    while (!m_rooms.empty())
        m_rooms.pop_back();
    m_positionOrdered = true;
    DefaultRooms.Clear();
    LastNumber = 0;
}

void TRoomList::Assign(const TRoomList& source)
{
    if (&source == this)
        return;
    static_cast<TAreaFields&>(*this) = source;
    m_rooms.clear();
    m_rooms.reserve(source.m_rooms.size());
    for (const auto& r : source.m_rooms)
        m_rooms.emplace_back(std::make_unique<TRoom>(*r.Room));
    DefaultRooms.Clear();
    DefaultRooms.AddCopies(source.DefaultRooms);
    AutoSort = true;
    m_positionOrdered = false;
    SortByPosition();
}

void TRoomList::AdoptRooms(std::vector<std::unique_ptr<TRoom>> rooms)
{
    m_rooms.clear();
    m_rooms.reserve(rooms.size());
    for (auto& r : rooms)
        m_rooms.emplace_back(std::move(r));
    m_positionOrdered = false;
    SortByPosition();
}

void TRoomList::SortIfNeeded()
{
    if (AutoSort && !m_positionOrdered)
        SortByPosition();
}

TRoom* TRoomList::Add(std::unique_ptr<TRoom> room)
{
    TRoom* raw = room.get();
    if (m_positionOrdered) {
        // Inserting at the sorted place keeps the order; appending in order is the common case.
        if (m_rooms.empty() || !PositionLess(*raw, *m_rooms.back().Room)) {
            m_rooms.emplace_back(std::move(room));
        } else if (AutoSort) {
            auto at = std::upper_bound(m_rooms.begin(), m_rooms.end(), *raw,
                                       [](const TRoom& r, const auto& slot) { return PositionLess(r, *slot.Room); });
            m_rooms.emplace(at, std::move(room));
        } else {
            m_rooms.emplace_back(std::move(room));
            m_positionOrdered = false;
        }
    } else {
        m_rooms.emplace_back(std::move(room));
        SortIfNeeded();
    }
    return raw;
}

void TRoomList::AddRooms(std::vector<std::unique_ptr<TRoom>> rooms)
{
    if (rooms.empty())
        return;
    for (auto& room : rooms)
        m_rooms.emplace_back(std::move(room));
    // The stable sort puts rooms of one cell in the order Add would: earlier ones first.
    // Rooms saved by this program come in position order already.
    if (AutoSort && m_positionOrdered && std::is_sorted(m_rooms.begin(), m_rooms.end(), SlotPositionLess))
        return;
    if (AutoSort)
        SortByPosition();
    else if (m_positionOrdered)
        m_positionOrdered = std::is_sorted(m_rooms.begin(), m_rooms.end(), SlotPositionLess);
}

std::unique_ptr<TRoom> TRoomList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    std::unique_ptr<TRoom> r = std::move(m_rooms[index].Room);
    m_rooms.erase(m_rooms.begin() + index);
    SortIfNeeded();
    return r;
}

std::unique_ptr<TRoom> TRoomList::Remove(const TRoom* room)
{
    return Delete(IndexOf(room));
}

int TRoomList::IndexAt(int32_t x, int32_t y) const
{
    if (!m_positionOrdered) {
        for (size_t i = 0; i < m_rooms.size(); ++i)
            if (m_rooms[i].Room->X == x && m_rooms[i].Room->Y == y)
                return static_cast<int>(i);
        return -1;
    }
    size_t lo = 0, hi = m_rooms.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        const int c = ComparePosition(*m_rooms[mid].Room, x, y);
        if (c == 0)
            return static_cast<int>(mid);
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return -1;
}

const TRoom* TRoomList::RoomAt(int32_t x, int32_t y) const
{
    const int i = IndexAt(x, y);
    return i < 0 ? nullptr : m_rooms[i].Room.get();
}

TRoom* TRoomList::RoomAt(int32_t x, int32_t y)
{
    const int i = IndexAt(x, y);
    return i < 0 ? nullptr : &Changing(i);
}

size_t TRoomList::FirstAtOrAfter(int64_t x, int64_t y) const
{
    const auto at = std::partition_point(m_rooms.begin(), m_rooms.end(), [&](const TSlot& slot) {
        const TRoom& r = *slot.Room;
        return r.Y != y ? r.Y < y : r.X < x;
    });
    return static_cast<size_t>(at - m_rooms.begin());
}

bool TRoomList::NearestOnLine(int64_t x, int64_t y, int sx, int sy, int64_t steps, TGridPoint& found) const
{
    // The room at the smallest step k in 1 .. steps on the cells (x + k * sx, y + k * sy).
    auto stepOf = [&](const TRoom& r) -> int64_t {
        if (sy == 0)
            return r.Y == y ? (r.X - x) * sx : 0;
        const int64_t k = (r.Y - y) * sy;
        return r.X == x + k * sx ? k : 0;
    };
    if (!m_positionOrdered) {
        int64_t best = 0;
        for (const TSlot& slot : m_rooms)
            if (const int64_t k = stepOf(*slot.Room); k >= 1 && k <= steps && (best == 0 || k < best)) {
                best = k;
                found = slot.Room->Cell();
            }
        return best != 0;
    }
    auto foundAt = [&](size_t i) {
        if (i >= m_rooms.size())
            return false;
        const int64_t k = stepOf(*m_rooms[i].Room);
        if (k < 1 || k > steps)
            return false;
        found = m_rooms[i].Room->Cell();
        return true;
    };
    if (sy == 0) {
        // Along a row the nearest room is the neighbour of the cell in position order.
        if (sx > 0)
            return foundAt(FirstAtOrAfter(x + 1, y));
        const size_t i = FirstAtOrAfter(x, y);
        return i > 0 && foundAt(i - 1);
    }
    // Across rows, visit only the rows that hold rooms, each with one search for its cell.
    const int64_t lastRow = y + steps * sy;
    for (int64_t row = y + sy;;) {
        size_t i = 0;
        if (sy > 0) {
            i = FirstAtOrAfter(INT64_MIN, row);
            if (i == m_rooms.size() || m_rooms[i].Room->Y > lastRow)
                return false;
        } else {
            i = FirstAtOrAfter(INT64_MIN, row + 1);
            if (i == 0 || m_rooms[i - 1].Room->Y < lastRow)
                return false;
            --i;
        }
        row = m_rooms[i].Room->Y;
        if (foundAt(FirstAtOrAfter(x + (row - y) * sy * sx, row)))
            return true;
        row += sy;
    }
}

bool TRoomList::Scan(ScanAxis axis, int32_t x, int32_t y, TGridPoint& back, TGridPoint& forward) const
{
    // Step vectors of the backward side; the forward side steps the opposite way.
    int dx = 0, dy = 0;
    switch (axis) {
    case ScanAxis::WE: dx = -1; break;
    case ScanAxis::NS: dy = -1; break;
    case ScanAxis::NWSE: dx = -1; dy = -1; break;
    case ScanAxis::SWNE: dx = -1; dy = 1; break;
    }
    const bool diagonal = dx != 0 && dy != 0;
    // Each side probes up to the first cell just outside the grid (0 or Width/Height + 1, -1
    // on the diagonals' low sides), whichever axis comes to it first, and at least one cell.
    auto stepsTo = [&](int64_t c, int s, int64_t size) -> int64_t {
        if (s == 0)
            return INT64_MAX;
        return std::max<int64_t>(1, s > 0 ? size + 1 - c : diagonal ? c + 1 : c);
    };
    auto probe = [&](int sx, int sy, TGridPoint& found) {
        const int64_t steps = std::min(stepsTo(x, sx, Width), stepsTo(y, sy, Height));
        return NearestOnLine(x, y, sx, sy, steps, found);
    };
    if (!probe(dx, dy, back))
        return false;
    return probe(-dx, -dy, forward);
}

bool TRoomList::ScanWE(int32_t x, int32_t y, TGridPoint& b, TGridPoint& f) const { return Scan(ScanAxis::WE, x, y, b, f); }
bool TRoomList::ScanNS(int32_t x, int32_t y, TGridPoint& b, TGridPoint& f) const { return Scan(ScanAxis::NS, x, y, b, f); }
bool TRoomList::ScanNWSE(int32_t x, int32_t y, TGridPoint& b, TGridPoint& f) const { return Scan(ScanAxis::NWSE, x, y, b, f); }
bool TRoomList::ScanSWNE(int32_t x, int32_t y, TGridPoint& b, TGridPoint& f) const { return Scan(ScanAxis::SWNE, x, y, b, f); }

bool TRoomList::Link(ScanAxis axis, int32_t x, int32_t y, bool link)
{
    TGridPoint b, f;
    if (!Scan(axis, x, y, b, f))
        return false;
    TDirection backDir = dirE;
    switch (axis) {
    case ScanAxis::WE: backDir = dirE; break;
    case ScanAxis::NS: backDir = dirS; break;
    case ScanAxis::NWSE: backDir = dirSE; break;
    case ScanAxis::SWNE: backDir = dirNE; break;
    }
    TRoom* backRoom = RoomAt(b);
    TRoom* fwdRoom = RoomAt(f);
    backRoom->CompassLinks[backDir] = link ? f : TGridPoint{};
    fwdRoom->CompassLinks[DirectionInfo(backDir).Opposite] = link ? b : TGridPoint{};
    LastLinkPos = b;
    Modified = true;
    return true;
}

bool TRoomList::LinkWE(int32_t x, int32_t y, bool l) { return Link(ScanAxis::WE, x, y, l); }
bool TRoomList::LinkNS(int32_t x, int32_t y, bool l) { return Link(ScanAxis::NS, x, y, l); }
bool TRoomList::LinkNWSE(int32_t x, int32_t y, bool l) { return Link(ScanAxis::NWSE, x, y, l); }
bool TRoomList::LinkSWNE(int32_t x, int32_t y, bool l) { return Link(ScanAxis::SWNE, x, y, l); }

void TRoomList::SortByPosition()
{
    std::stable_sort(m_rooms.begin(), m_rooms.end(), SlotPositionLess);
    m_positionOrdered = true;
}

void TRoomList::SortByNumber()
{
    std::stable_sort(m_rooms.begin(), m_rooms.end(),
                     [](const auto& a, const auto& b) { return a.Room->Number < b.Room->Number; });
    m_positionOrdered = std::is_sorted(m_rooms.begin(), m_rooms.end(), SlotPositionLess);
}

std::string TRoomList::XYFileName(int32_t x, int32_t y) const
{
    return FilePrefix + std::to_string(x / 2 + 1) + FileMiddle + std::to_string(y / 2 + 1) + FilePostfix;
}

std::string TRoomList::AscendingFileName(int32_t number) const
{
    std::string digits = std::to_string(number);
    if (digits.size() < FileDigits)
        digits.insert(0, FileDigits - digits.size(), '0');
    return FilePrefix + digits + FilePostfix;
}

void TRoomList::NewRoomCreated(TRoom& room, const TRoom* templateRoom)
{
    // Numbers are 32-bit in the file: past the largest one there is no number to give.
    if (LastNumber == std::numeric_limits<int32_t>::max())
        throw EKbError("The area has no room numbers left: the last one given is " + std::to_string(LastNumber) + ".");
    if (FileNameFormat == fnfXY)
        room.FileName = XYFileName(room.X, room.Y);
    ++LastNumber;
    room.Number = LastNumber;
    if (FileNameFormat == fnfAscending)
        room.FileName = AscendingFileName(room.Number);
    if (templateRoom)
        room.AssignContents(*templateRoom);
}

void TRoomList::RoomErased(const TRoom& room)
{
    if (LastNumber == room.Number && LastNumber > std::numeric_limits<int32_t>::min())
        --LastNumber;
}

// Random edit / mark / undo / redo sequences over every way of changing an area: each area
// that undo or redo brings back must equal a deep copy taken when it was marked.
#include "model/areaundo.h"
#include "model/mapedit.h"

#include <gtest/gtest.h>
#include <random>
#include <utility>

namespace {
bool SameArea(const TRoomList& a, const TRoomList& b)
{
    if (!(static_cast<const TAreaFields&>(a) == static_cast<const TAreaFields&>(b)) || a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i)
        if (!(a[i] == b[i]) || a.RoomAt(a[i].Cell()) == nullptr)
            return false;
    return a.DefaultRooms == b.DefaultRooms;
}

class TSequence {
public:
    explicit TSequence(unsigned seed) : m_rng(seed)
    {
        for (int i = 0; i < 12; ++i)
            if (const TGridPoint c = Cell(); !m_area.RoomAt(c))
                BuildRoom(m_area, c, nullptr);
    }

    void Step()
    {
        const int what = Pick(100);
        if (what < 10)
            Mark();
        else if (what < 15)
            Undo();
        else if (what < 18)
            Redo();
        else
            Edit();
    }

    void Mark()
    {
        // As the document does for the room its details edit through a kept pointer.
        m_area.Touch(m_held);
        m_history.AddMark(m_area);
        m_expected.resize(static_cast<size_t>(m_history.Position()));
        m_expected.push_back(std::make_unique<TRoomList>(0, 0));
        m_expected.back()->Assign(m_area);
    }

private:
    int Pick(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
    std::string Text() { return std::string(1 + Pick(3), static_cast<char>('a' + Pick(4))); }
    TGridPoint Cell() { return {1 + 2 * Pick(5), 1 + 2 * Pick(5)}; }
    TRoom* AnyRoom() { return m_area.Count() ? &m_area[Pick(m_area.Count())] : nullptr; }

    void Undo()
    {
        m_area.Touch(m_held);
        m_held = nullptr;
        const bool moves = m_history.CanUndo();
        m_history.Undo(m_area);
        if (moves)
            Check();
    }

    void Redo()
    {
        m_area.Touch(m_held);
        m_held = nullptr;
        const bool moves = m_history.CanRedo();
        m_history.Redo(m_area);
        if (moves)
            Check();
    }

    void Check()
    {
        ASSERT_TRUE(SameArea(m_area, *m_expected[static_cast<size_t>(m_history.Position())]))
            << "position " << m_history.Position() << " of " << m_history.Count();
        // What the next mark would share must be the rooms as they stand.
        const auto recorded = m_area.RecordRooms();
        for (size_t i = 0; i < recorded.size(); ++i)
            ASSERT_EQ(*recorded[i], std::as_const(m_area)[static_cast<int>(i)]) << "room " << i;
    }

    void EditRoom(TRoom& r)
    {
        switch (Pick(12)) {
        case 0: r.Short = Text(); break;
        case 1: r.FileName = Text(); break;
        case 2: r.Descriptions.push_back({Text(), {Text()}}); break;
        case 3: if (!r.Descriptions.empty()) r.Descriptions.back().Text.push_back(Text()); break;
        case 4: r.Items.emplace_back().ID = Text(); break;
        case 5: if (!r.Items.empty()) r.Items[0].Sense(Pick(TItem::SenseCount)).push_back(Text()); break;
        case 6: if (!r.Items.empty()) r.Items.erase(r.Items.begin()); break;
        case 7: r.Exits.push_back({static_cast<uint8_t>(1 + Pick(4)), Text(), Pick(30)}); break;
        case 8: if (!r.Exits.empty()) r.Exits.back().Target = Pick(30); break;
        case 9: r.DayLight = Pick(100); r.AreaTypes ^= 1u << Pick(19); break;
        case 10: r.Script.push_back(Text()); r.ScriptEnabled = !r.ScriptEnabled; break;
        default: if (TRoom* other = AnyRoom()) r.AssignContents(*other); break;
        }
    }

    void Edit()
    {
        const TGridPoint cell = Cell();
        TRoom* there = m_area.RoomAt(cell);
        switch (Pick(16)) {
        case 0: case 1:
            if (!there)
                BuildRoom(m_area, cell, m_area.DefaultRooms.Count() ? &m_area.DefaultRooms[0] : nullptr);
            break;
        case 2:
            if (there && there != m_held)
                EraseRoom(m_area, there);
            break;
        case 3: case 4: {
            const TGridPoint c{cell.X + Pick(2), cell.Y + Pick(2)};
            LinkLine(m_area, ConnectorLine(m_area, c, Pick(2) != 0), c, Pick(3) != 0);
            break;
        }
        case 5: // move a room to an empty cell
            if (there && there != m_held && !m_area.RoomAt(cell.Y, cell.X)) {
                auto taken = m_area.Remove(there);
                taken->X = cell.Y;
                taken->Y = cell.X;
                m_area.Add(std::move(taken));
            }
            break;
        case 6: case 7: case 8:
            if (TRoom* r = AnyRoom())
                EditRoom(*r);
            break;
        case 9: // the details' way: a pointer kept across marks, touched before each one
            if (!m_held || Pick(4) == 0) {
                m_area.Touch(m_held);
                m_held = there ? there : AnyRoom();
            }
            if (m_held)
                EditRoom(*m_held);
            break;
        case 10:
            switch (Pick(4)) {
            case 0: m_area.FilePrefix = Text(); break;
            case 1: m_area.FileHeader.push_back(Text()); break;
            case 2: m_area.Colors[Pick(19)] = Pick(1000); break;
            default: m_area.Modified = !m_area.Modified; break;
            }
            break;
        case 11:
            if (m_area.DefaultRooms.Count() < 3 || Pick(3) == 0)
                m_area.DefaultRooms.Add(std::make_unique<TRoom>());
            else
                EditRoom(m_area.DefaultRooms[Pick(m_area.DefaultRooms.Count())]);
            break;
        case 12: // number order for a while, as the exits list does
            m_area.AutoSort = Pick(2) != 0;
            m_area.SortByNumber();
            if (Pick(2))
                m_area.SortByPosition();
            break;
        case 13: { // a second room on an occupied cell, as damaged files bring
            if (!there || there == m_held)
                break;
            std::vector<std::unique_ptr<TRoom>> rooms;
            rooms.push_back(std::make_unique<TRoom>(*there));
            rooms.back()->Number = Pick(50);
            m_area.AddRooms(std::move(rooms));
            break;
        }
        case 14:
            if (Pick(10) == 0) {
                m_held = nullptr;
                m_area.Clear();
            }
            break;
        default: // reached for writing, left as it was
            if (TRoom* r = AnyRoom())
                r->Short = std::string(r->Short);
            break;
        }
    }

    std::mt19937 m_rng;
    TRoomList m_area{9, 9};
    TAUndoList m_history;
    std::vector<std::unique_ptr<TRoomList>> m_expected;
    TRoom* m_held = nullptr;
};
} // namespace

TEST(AreaUndo, RandomSequencesBringBackEachMarkedArea)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        TSequence sequence(seed);
        sequence.Mark();
        for (int step = 0; step < 120; ++step) {
            sequence.Step();
            if (::testing::Test::HasFatalFailure())
                FAIL() << "seed " << seed << ", step " << step;
        }
    }
}

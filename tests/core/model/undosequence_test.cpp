// Random edit / mark / undo / redo sequences over every way of changing an area: each area
// that undo or redo brings back must equal a deep copy taken when it was marked.
#include "model/areaundo.h"
#include "model/mapedit.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <utility>

namespace {
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
        else if (what < 18)
            Move(what < 15 ? &TAUndoList::Undo : &TAUndoList::Redo);
        else
            Edit();
    }

    void Mark()
    {
        m_area.Touch(m_held); // as the document does for the room its details edit
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

    void Move(void (TAUndoList::*move)(TRoomList&))
    {
        m_area.Touch(m_held);
        m_held = nullptr;
        const int before = m_history.Position();
        (m_history.*move)(m_area);
        if (m_history.Position() == before)
            return;
        const TRoomList& want = *m_expected[static_cast<size_t>(m_history.Position())];
        ASSERT_TRUE(static_cast<const TAreaFields&>(m_area) == want && m_area.DefaultRooms == want.DefaultRooms);
        ASSERT_EQ(m_area.Count(), want.Count());
        // What the next mark shares must be the rooms as they stand.
        const auto recorded = m_area.RecordRooms();
        for (int i = 0; i < want.Count(); ++i) {
            const TRoom& room = std::as_const(m_area)[i];
            ASSERT_TRUE(room == want[i] && *recorded[static_cast<size_t>(i)] == room) << i;
            ASSERT_NE(std::as_const(m_area).RoomAt(room.Cell()), nullptr);
        }
    }

    void EditRoom(TRoom& r)
    {
        switch (Pick(8)) {
        case 0: r.Short = Text(); r.FileName = Text(); break;
        case 1: r.Descriptions.push_back({Text(), {Text()}}); break;
        case 2: r.Items.emplace_back().ID = Text(); r.Items[0].Sense(Pick(TItem::SenseCount)).push_back(Text()); break;
        case 3: if (!r.Items.empty()) r.Items.erase(r.Items.begin()); break;
        case 4: r.Exits.push_back({static_cast<uint8_t>(1 + Pick(4)), Text(), Pick(30)}); break;
        case 5: r.DayLight = Pick(100); r.AreaTypes ^= 1u << Pick(19); break;
        case 6: r.Script.push_back(Text()); r.ScriptEnabled = !r.ScriptEnabled; break;
        default: if (TRoom* other = AnyRoom()) r.AssignContents(*other); break;
        }
    }

    void Edit()
    {
        const TGridPoint cell = Cell(), moved{cell.Y, cell.X}, connector{cell.X + Pick(2), cell.Y + Pick(2)};
        TRoom* there = m_area.RoomAt(cell);
        const bool free = there && there != m_held; // the held room is neither erased nor moved
        switch (Pick(16)) {
        case 0: case 1:
            if (!there)
                BuildRoom(m_area, cell, m_area.DefaultRooms.Count() ? &m_area.DefaultRooms[0] : nullptr);
            break;
        case 2: if (free) EraseRoom(m_area, there); break;
        case 3: case 4: LinkLine(m_area, ConnectorLine(m_area, connector, Pick(2)), connector, Pick(3)); break;
        case 5: // moved to an empty cell
            if (free && !m_area.RoomAt(moved)) {
                auto r = m_area.Remove(there);
                std::tie(r->X, r->Y) = std::tie(moved.X, moved.Y);
                m_area.Add(std::move(r));
            }
            break;
        case 6: case 7: case 8: if (TRoom* r = AnyRoom()) EditRoom(*r); break;
        case 9: // the details' way: a pointer kept across marks
            if (!m_held || Pick(4) == 0) {
                m_area.Touch(m_held);
                m_held = there ? there : AnyRoom();
            }
            if (m_held)
                EditRoom(*m_held);
            break;
        case 10: m_area.FilePrefix = Text(); m_area.FileHeader.push_back(Text()); m_area.Modified = Pick(2); break;
        case 11:
            EditRoom(m_area.DefaultRooms.Count() < 3 ? *m_area.DefaultRooms.Add(std::make_unique<TRoom>())
                                                      : m_area.DefaultRooms[Pick(3)]);
            break;
        case 12: // number order for a while, as the exits list does
            m_area.AutoSort = Pick(2);
            m_area.SortByNumber();
            if (Pick(2))
                m_area.SortByPosition();
            break;
        case 13: // a second room on an occupied cell, as damaged files bring
            if (free) {
                std::vector<std::unique_ptr<TRoom>> rooms;
                rooms.push_back(std::make_unique<TRoom>(*there));
                m_area.AddRooms(std::move(rooms));
            }
            break;
        case 14: if (Pick(10) == 0) { m_held = nullptr; m_area.Clear(); } break;
        default: if (TRoom* r = AnyRoom()) r->Short = std::string(r->Short); break; // reached, not changed
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
        for (int step = 0; step < 120 && !::testing::Test::HasFatalFailure(); ++step)
            sequence.Step();
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "seed " << seed;
    }
}

#include "model/room.h"

void TRoom::ClearContents()
{
    Descriptions.clear();
    Items.clear();
    Exits.clear();
}

void TRoom::AssignContents(const TRoom& source)
{
    if (&source == this)
        return;
    ClearContents();
    AreaTypes = source.AreaTypes;
    Short = source.Short;
    Items = source.Items;
    Descriptions = source.Descriptions;
    Exits = source.Exits;
    DayLight = source.DayLight;
    NightLight = source.NightLight;
    AmbientLight = source.AmbientLight;
    Script = source.Script;
    ScriptEnabled = source.ScriptEnabled;
}

std::string TRoom::ObviousExitsText() const
{
    std::string s;
    for (TDirection d : CompassOrder) {
        if (!HasLink(d))
            continue;
        if (!s.empty())
            s += ", ";
        s += DirectionInfo(d).ShortName;
    }
    return s;
}

int TRoom::FindDescription(const std::string& name) const
{
    for (size_t i = 0; i < Descriptions.size(); ++i)
        if (Descriptions[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

TRoom* TRList::Add(std::unique_ptr<TRoom> room)
{
    m_rooms.push_back(std::move(room));
    return m_rooms.back().get();
}

void TRList::AddCopies(const TRList& source)
{
    for (const auto& r : source.m_rooms)
        m_rooms.push_back(std::make_unique<TRoom>(*r));
}

bool operator==(const TRList& a, const TRList& b)
{
    if (a.m_rooms.size() != b.m_rooms.size())
        return false;
    for (size_t i = 0; i < a.m_rooms.size(); ++i)
        if (!(*a.m_rooms[i] == *b.m_rooms[i]))
            return false;
    return true;
}

#pragma once
#include "model/areatypes.h"
#include "model/exit.h"
#include "model/item.h"
#include "model/roomdescription.h"
#include "model/types.h"

#include <memory>

// One room of the area: its cell, links, texts, items, lights, exits and own script.
struct TRoom {
    int32_t Number = 0;
    int32_t X = 0;
    int32_t Y = 0;
    TCompassLinks CompassLinks{};
    std::vector<TRoomDescription> Descriptions;
    std::vector<TItem> Items;
    TAreaTypes AreaTypes = 0;
    std::string FileName;
    std::string Short;
    int32_t DayLight = 0;
    int32_t NightLight = 0;
    int32_t AmbientLight = 0;
    std::vector<TExit> Exits;
    TStrings Script;
    bool ScriptEnabled = false;

    void ClearContents();
    // Copies everything but Number, cell, links and file name.
    void AssignContents(const TRoom& source);
    void Assign(const TRoom& source) { *this = source; }

    // Direction names of the links in the order nw, n, ne, e, se, s, sw, w, joined with ", ".
    std::string ObviousExitsText() const;
    // Index of the first description named exactly name, or -1.
    int FindDescription(const std::string& name) const;

    TGridPoint Cell() const { return {X, Y}; }
    bool HasLink(TDirection d) const { return CompassLinks[d].X > 0; }

    friend bool operator==(const TRoom&, const TRoom&) = default;
};

// An ordered, owning list of rooms; used for the template rooms.
class TRList {
public:
    int Count() const { return static_cast<int>(m_rooms.size()); }
    TRoom& operator[](int i) { return *m_rooms[i]; }
    const TRoom& operator[](int i) const { return *m_rooms[i]; }
    TRoom* Add(std::unique_ptr<TRoom> room);
    void Clear() { m_rooms.clear(); }
    void AddCopies(const TRList& source);

    friend bool operator==(const TRList& a, const TRList& b);

private:
    std::vector<std::unique_ptr<TRoom>> m_rooms;
};

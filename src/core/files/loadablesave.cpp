#include "files/loadablesave.h"

#include "db/itemlist.h"
#include "db/sentencelist.h"
#include "files/areafile.h"
#include "files/itemfile.h"
#include "files/savefile.h"
#include "files/sentencefile.h"
#include "files/zstream.h"
#include "kberror.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace {
std::string Cell(const TRoom& room) { return "(" + std::to_string(room.X) + ":" + std::to_string(room.Y) + ")"; }

template <typename F>
void SaveLoadable(const std::string& fileName, std::string inflated, F&& load)
{
    const std::string compressed = DeflateBytes(inflated);
    inflated = {};
    try {
        load(compressed);
    } catch (const EKbError& e) {
        throw EKbError("Not written: \"" + fileName + "\" would not load: " + e.what());
    }
    SaveFileAtomically(fileName, compressed);
}
} // namespace

void NumberRoomsForSaving(TRoomList& area)
{
    std::vector<const TRoom*> byNumber;
    byNumber.reserve(static_cast<size_t>(area.Count()));
    for (int i = 0; i < area.Count(); ++i) {
        const TRoom& room = std::as_const(area)[i];
        if (room.Number > area.LastNumber)
            throw EKbError("The room at " + Cell(room) + " has the number " + std::to_string(room.Number) +
                           ", above the area's LastNumber " + std::to_string(area.LastNumber) +
                           ": new rooms would take numbers already used.");
        if (room.Number != 0)
            byNumber.push_back(&room);
    }
    for (int i = 0; i < area.Count(); ++i) {
        if (std::as_const(area)[i].Number != 0)
            continue;
        if (area.LastNumber == INT32_MAX)
            throw EKbError("The rooms are numbered past 2147483647: the room at " + Cell(std::as_const(area)[i]) +
                           " has no number left.");
        area[i].Number = ++area.LastNumber;
    }
    // Rooms numbered here are above every other number: only the given numbers can repeat.
    std::stable_sort(byNumber.begin(), byNumber.end(), [](const TRoom* a, const TRoom* b) { return a->Number < b->Number; });
    const auto twin = std::adjacent_find(byNumber.begin(), byNumber.end(),
                                         [](const TRoom* a, const TRoom* b) { return a->Number == b->Number; });
    if (twin != byNumber.end())
        throw EKbError("The rooms at " + Cell(**twin) + " and " + Cell(**(twin + 1)) + " have the same number " +
                       std::to_string((*twin)->Number) + ".");
}

void SaveLoadableArea(const std::string& fileName, std::string inflated, const TLoadLimits& limits)
{
    SaveLoadable(fileName, std::move(inflated), [&](const std::string& compressed) {
        TRoomList area(0, 0);
        LoadAreaFromCompressed(compressed, area, limits);
    });
}

void SaveLoadableSentences(const std::string& fileName, std::string inflated, const TLoadLimits& limits)
{
    SaveLoadable(fileName, std::move(inflated), [&](const std::string& compressed) {
        TSentenceList db;
        LoadSentencesFromCompressed(compressed, db, limits);
    });
}

void SaveLoadableItems(const std::string& fileName, std::string inflated, const TLoadLimits& limits)
{
    SaveLoadable(fileName, std::move(inflated), [&](const std::string& compressed) {
        TItemList db;
        LoadItemsFromCompressed(compressed, db, limits);
    });
}

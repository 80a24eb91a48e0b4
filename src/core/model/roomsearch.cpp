#include "model/roomsearch.h"

#include "export/exportrun.h"
#include "model/letterfold.h"
#include "model/text.h"

#include <algorithm>

namespace {
unsigned MatchedFields(const TRoom& room, const std::string& trimmed, const std::string& folded)
{
    unsigned fields = 0;
    if (std::to_string(room.Number) == trimmed)
        fields |= rfNumber;
    if (ContainsFolded(RoomSourceFileName(room), folded))
        fields |= rfFileName;
    if (ContainsFolded(room.Short, folded))
        fields |= rfShort;
    if (std::any_of(room.Descriptions.begin(), room.Descriptions.end(), [&](const TRoomDescription& d) {
            return ContainsFolded(StringsDescToString(d.Text), folded);
        }))
        fields |= rfDescription;
    if (std::any_of(room.Items.begin(), room.Items.end(),
                    [&](const TItem& item) { return ContainsFolded(item.ID, folded); }))
        fields |= rfItemID;
    return fields;
}
} // namespace

std::vector<TRoomMatch> FindRooms(const TRoomList& area, const std::string& query)
{
    std::vector<TRoomMatch> found;
    const std::string trimmed = TrimControl(query);
    if (trimmed.empty())
        return found;
    const std::string folded = FoldLetters(trimmed);
    for (int i = 0; i < area.Count(); ++i)
        if (const unsigned fields = MatchedFields(area[i], trimmed, folded))
            found.push_back({&area[i], fields});
    std::stable_partition(found.begin(), found.end(), [](const TRoomMatch& m) { return m.Fields & rfNumber; });
    return found;
}

std::string MatchedFieldsText(unsigned fields)
{
    static const std::pair<TRoomField, const char*> names[] = {{rfNumber, "number"},
                                                              {rfFileName, "file name"},
                                                              {rfShort, "short description"},
                                                              {rfDescription, "description"},
                                                              {rfItemID, "item ID"}};
    std::string text;
    for (const auto& [field, name] : names)
        if (fields & field)
            text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

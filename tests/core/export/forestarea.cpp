#include "forestarea.h"

TRoom& AddRoom(TRoomList& area, int32_t number, int32_t x, int32_t y, const std::string& fileName)
{
    auto room = std::make_unique<TRoom>();
    room->Number = number;
    room->X = x;
    room->Y = y;
    room->FileName = fileName;
    area.LastNumber = std::max(area.LastNumber, number);
    return *area.Add(std::move(room));
}

TItem DescribedItem(const std::string& id, TStrings description, TStrings synonyms)
{
    TItem item;
    item.ID = id;
    item.Description = std::move(description);
    item.Synonyms = std::move(synonyms);
    return item;
}

namespace {
TRoom& AddForestRoom(TRoomList& area, int32_t number, int32_t x, int32_t y, const std::string& fileName,
                     const std::string& shortText, TAreaTypes types, int32_t day, int32_t night)
{
    TRoom& room = AddRoom(area, number, x, y, fileName);
    room.Short = shortText;
    room.AreaTypes = types;
    room.DayLight = day;
    room.NightLight = night;
    return room;
}
} // namespace

std::unique_ptr<TRoomList> MakeForestArea()
{
    auto area = std::make_unique<TRoomList>(3, 3);
    TRoom& clearing = AddForestRoom(*area, 1, 1, 1, "clearing", "A quiet clearing", (1u << 3) | (1u << 18), 50, 10);
    clearing.Descriptions = {{"Long",
                              {"The trees open onto a small clearing. In the middle lies a huge grey stone covered "
                               "with moss, and a narrow path leads east."}}};
    clearing.Exits = {{ekVisibleEnter, "hole", 3}};
    TItem stone = DescribedItem("stone", {"A huge grey stone. Someone has carved the word \"rest\" into it."},
                           {"rock", "boulder"});
    TItem moss = DescribedItem("moss", {"Soft green moss."});
    stone.Smell = moss.Smell = {"It smells of moss."};
    moss.Touch = {"It is soft and damp."};
    clearing.Items = {stone, moss};
    AddForestRoom(*area, 2, 3, 1, "path", "A narrow path", (1u << 2) | (1u << 3), 50, 10);
    TRoom& burrow = AddForestRoom(*area, 3, 1, 3, "burrow", "A dark burrow", 1u << 15, 20, 20);
    burrow.Descriptions = {{"Long", {"A dark burrow."}}};
    burrow.Exits = {{ekVisibleExit, "out", 1}};
    area->LinkWE(2, 1, true);
    area->Modified = false;
    return area;
}

std::string AfterHeaderLines(const std::string& bytes)
{
    size_t at = 0;
    for (int i = 0; i < 2 && at != std::string::npos; ++i)
        if ((at = bytes.find("\r\n", at)) != std::string::npos)
            at += 2;
    return at == std::string::npos ? std::string() : bytes.substr(at);
}

std::string CrLf(std::initializer_list<const char*> lines)
{
    std::string s;
    for (const char* l : lines)
        s.append(l).append("\r\n");
    return s;
}

std::string CrLfText(std::string_view lfText)
{
    std::string s;
    for (char c : lfText)
        c == '\n' ? s.append("\r\n") : s.append(1, c);
    return s;
}

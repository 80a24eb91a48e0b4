#include "forestarea.h"

TRoom& AddRoom(TRoomList& area, int32_t number, int32_t x, int32_t y, const std::string& fileName)
{
    auto room = std::make_unique<TRoom>();
    room->Number = number;
    room->X = x;
    room->Y = y;
    room->FileName = fileName;
    if (number > area.LastNumber)
        area.LastNumber = number;
    return *area.Add(std::move(room));
}

std::unique_ptr<TRoomList> MakeForestArea()
{
    auto area = std::make_unique<TRoomList>(3, 3);
    TRoom& clearing = AddRoom(*area, 1, 1, 1, "clearing");
    clearing.Short = "A quiet clearing";
    clearing.Descriptions.push_back(
        {"Long",
         {"The trees open onto a small clearing. In the middle lies a huge grey stone covered with moss, and a "
          "narrow path leads east."}});
    clearing.AreaTypes = (1u << 3) | (1u << 18);
    clearing.DayLight = 50;
    clearing.NightLight = 10;
    clearing.AmbientLight = 0;
    clearing.Exits.push_back({ekVisibleEnter, "hole", 3});
    TItem stone;
    stone.ID = "stone";
    stone.Synonyms = {"rock", "boulder"};
    stone.Description = {"A huge grey stone. Someone has carved the word \"rest\" into it."};
    stone.Smell = {"It smells of moss."};
    TItem moss;
    moss.ID = "moss";
    moss.Description = {"Soft green moss."};
    moss.Smell = {"It smells of moss."};
    moss.Touch = {"It is soft and damp."};
    clearing.Items = {stone, moss};

    TRoom& path = AddRoom(*area, 2, 3, 1, "path");
    path.Short = "A narrow path";
    path.AreaTypes = (1u << 2) | (1u << 3);
    path.DayLight = 50;
    path.NightLight = 10;

    TRoom& burrow = AddRoom(*area, 3, 1, 3, "burrow");
    burrow.Short = "A dark burrow";
    burrow.Descriptions.push_back({"Long", {"A dark burrow."}});
    burrow.AreaTypes = 1u << 15;
    burrow.DayLight = 20;
    burrow.NightLight = 20;
    burrow.Exits.push_back({ekVisibleExit, "out", 1});

    area->LinkWE(2, 1, true);
    area->Modified = false;
    return area;
}

std::string AfterHeaderLines(const std::string& bytes)
{
    size_t at = 0;
    for (int i = 0; i < 2 && at != std::string::npos; ++i) {
        at = bytes.find("\r\n", at);
        if (at != std::string::npos)
            at += 2;
    }
    return at == std::string::npos ? std::string() : bytes.substr(at);
}

std::string CrLf(std::initializer_list<const char*> lines)
{
    std::string s;
    for (const char* l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}

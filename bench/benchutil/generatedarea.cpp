#include "benchutil/generatedarea.h"

#include <random>

namespace {
std::string Words(std::mt19937& rng, size_t length)
{
    static const char* const words[] = {"tree", "stone", "path", "moss", "old", "grey", "river", "quiet",
                                        "shadow", "leaf", "wind", "cold", "narrow", "bridge", "light", "dark"};
    std::string s;
    while (s.size() < length) {
        if (!s.empty())
            s += ' ';
        s += words[rng() % 16];
    }
    return s;
}
} // namespace

std::unique_ptr<TRoomList> MakeGeneratedArea(int across, int down)
{
    auto area = std::make_unique<TRoomList>(2 * across - 1, 2 * down - 1);
    std::mt19937 rng(12345);
    area->AutoSort = false;
    for (int ry = 0; ry < down; ++ry) {
        for (int rx = 0; rx < across; ++rx) {
            auto room = std::make_unique<TRoom>();
            room->X = 2 * rx + 1;
            room->Y = 2 * ry + 1;
            room->Number = ++area->LastNumber;
            room->FileName = area->XYFileName(room->X, room->Y);
            room->Short = "Room " + std::to_string(room->Number);
            room->AreaTypes = (1u << (1 + rng() % 18)) | (rng() % 3 == 0 ? (1u << (1 + rng() % 18)) : 0u);
            room->DayLight = 50;
            room->NightLight = 10;
            room->Descriptions.push_back({"Long", {Words(rng, 150), Words(rng, 150)}});
            room->Descriptions.push_back({"Night Long", {Words(rng, 300)}});
            for (int i = 0; i < 3; ++i) {
                TItem item;
                item.ID = "item" + std::to_string(i);
                item.Synonyms = {"thing", "object"};
                item.Description = {Words(rng, 80)};
                item.Smell = {Words(rng, 30)};
                room->Items.push_back(std::move(item));
            }
            area->Add(std::move(room));
        }
    }
    area->AutoSort = true;
    area->SortByPosition();
    for (int ry = 0; ry < down; ++ry)
        for (int rx = 0; rx < across; ++rx) {
            const int x = 2 * rx + 1, y = 2 * ry + 1;
            if (rx + 1 < across)
                area->LinkWE(x + 1, y, true);
            if (ry + 1 < down)
                area->LinkNS(x, y + 1, true);
            if (rx + 1 < across && ry + 1 < down && (rx + ry) % 3 == 0)
                area->LinkNWSE(x + 1, y + 1, true);
        }
    area->Modified = false;
    return area;
}

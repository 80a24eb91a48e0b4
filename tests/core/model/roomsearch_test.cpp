#include "model/roomsearch.h"

#include <gtest/gtest.h>

namespace {
// Three rooms whose fields tell them apart; texts are Windows-1250 bytes.
std::unique_ptr<TRoomList> SearchArea()
{
    auto area = std::make_unique<TRoomList>(15, 15);
    const auto add = [&](int32_t number, int32_t x, const char* file, const char* shortText, TStrings desc,
                         const char* item) {
        auto room = std::make_unique<TRoom>();
        room->Number = number;
        room->X = x;
        room->Y = 1;
        room->FileName = file;
        room->Short = shortText;
        room->Descriptions = {{"Long", std::move(desc)}};
        room->Items.resize(1);
        room->Items[0].ID = item;
        area->Add(std::move(room));
    };
    add(7, 1, "clearing", "Sunny clearing, path to 112", {"Tall grass", "waves."}, "grass");
    // "Lesní \xE8ervená cesta", a red forest path in Czech.
    add(12, 3, "path.lpc", "Les\xED \xE8" "erven\xE1 cesta", {"A narrow path."}, "\x8A" "ipka");
    add(112, 5, "burrow", "Dark burrow", {"Roots hang from the roof."}, "root");
    return area;
}

std::string Found(const TRoomList& area, const std::string& query)
{
    std::string text;
    for (const TRoomMatch& m : FindRooms(area, query))
        text += (text.empty() ? "" : "; ") + std::to_string(m.Room->Number) + ": " + MatchedFieldsText(m.Fields);
    return text;
}
} // namespace

TEST(FindRooms, FindsByEachFieldIgnoringCase)
{
    const auto area = SearchArea();
    const struct {
        const char* Query;
        const char* Expected;
    } cases[] = {
        {"12", "12: number; 7: short description"}, // numbers exact and first
        {" 7 ", "7: number"},
        {"112", "112: number; 7: short description"},
        {"1", "7: short description"}, // a prefix of 12 and 112 is no number of either
        {"11", "7: short description"},
        {"2", "7: short description"}, // nor is a suffix
        {"CLEARING.C", "7: file name"}, // the file the export writes
        {"path.lpc", "12: file name"},
        {"clearing", "7: file name, short description"},
        {"burrow.c", "112: file name"},
        {"sunny", "7: short description"},
        {"grass waves", "7: description"}, // lines joined as the memo shows them
        {"ROOTS", "112: description"},
        {"ROOT", "112: description, item ID"},
        {"\xC8" "ERVEN\xC1", "12: short description"},       // ČERVENÁ finds červená
        {"les\xCD", "12: short description"},                  // lesÍ finds Lesí
        {"\x9Aipka", "12: item ID"},                           // šipka finds Šipka
        {"cervena", ""},                                       // letters keep their accents
        {"nothing", ""},
        {"  ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found(*area, c.Query), c.Expected) << c.Query;
}

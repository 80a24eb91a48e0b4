#include "export/sections.h"
#include "forestarea.h"

#include <gtest/gtest.h>

namespace {
struct TSectionFixture : ::testing::Test {
    std::unique_ptr<TRoomList> area = MakeForestArea();
    TRoom& Room(int32_t number)
    {
        for (int i = 0; i < area->Count(); ++i)
            if ((*area)[i].Number == number)
                return (*area)[i];
        throw std::logic_error("no such room");
    }
    TExportContext Context() const { return MakeExportContext(*area, "/out/forest"); }

    template <typename F>
    std::string Written(F&& write)
    {
        TCodeWriter out;
        write(out);
        return out.Bytes();
    }
    std::string Sense(const TRoom& room, TSense sense)
    {
        const auto ctx = Context();
        return Written([&](TCodeWriter& o) { WriteSenseSection(o, ctx, room, sense); });
    }
};

TItem Item(const std::string& id, TStrings listen = {}, TStrings synonyms = {})
{
    TItem item;
    item.ID = id;
    item.Listen = std::move(listen);
    item.Synonyms = std::move(synonyms);
    return item;
}
} // namespace

using Sections = TSectionFixture;

TEST_F(Sections, ItemsAndSenseBlocksOfTheWorkedExample)
{
    const auto ctx = Context();
    const TRoom& clearing = Room(1);
    const std::string written = Written([&](TCodeWriter& o) {
        WriteItemsSection(o, ctx, clearing);
        for (TSense s : {snListen, snSmell, snTouch, snSearch, snRead})
            WriteSenseSection(o, ctx, clearing, s);
    });
    EXPECT_EQ(written, CrLf({"  SetItems( ([",
                             "     ({ \"stone\", \"rock\", \"boulder\" }): ",
                             "        \"A huge grey stone. Someone has carved \"",
                             "        \"the word \\\"rest\\\" into it.\", ",
                             "     \"moss\": \"Soft green moss.\", ",
                             "    ]) );",
                             "  SetSmell( ([",
                             "    ({\"stone\", \"moss\"}): ",
                             "        \"It smells of moss.\",",
                             "    ]) );",
                             "  SetTouch( ([",
                             "    \"moss\": \"It is soft and damp.\",",
                             "    ]) );"}));
}

TEST_F(Sections, ItemKeysSkipBlankSynonymsButKeepTheirBlanks)
{
    TRoom& room = Room(2);
    TItem a = Item("oak", {}, {"", " tree ", "  "});
    a.Description = {"Big."};
    TItem b = Item("say \"x\"", {}, {" ", "\t"});
    room.Items = {a, b, Item("bare")};
    const auto ctx = Context();
    EXPECT_EQ(Written([&](TCodeWriter& o) { WriteItemsSection(o, ctx, room); }),
              CrLf({"  SetItems( ([", "     ({ \"oak\", \" tree \" }): ", "        \"Big.\", ",
                    "     ({ \"say \\\"x\\\"\" }): ", "        \"\", ", "     \"bare\": \"\", ", "    ]) );"}));
    room.Items.clear();
    EXPECT_EQ(Written([&](TCodeWriter& o) { WriteItemsSection(o, ctx, room); }), "");
}

TEST_F(Sections, SenseTextsGroupByEqualTextAndCommasChooseTheListForm)
{
    TRoom& room = Room(2);
    room.Items = {Item("a", {"Hum."}), Item("b", {"Buzz."}), Item("c", {"Hum."}), Item("d", {"Hum."}),
                  Item("e", {})};
    EXPECT_EQ(Sense(room, snListen), CrLf({"  SetListen( ([", "    ({\"a\", \"c\", \"d\"}): ", "        \"Hum.\",",
                                           "    \"b\": \"Buzz.\",", "    ]) );"}));
    // Equal means equal bytes: case and line breaks count.
    room.Items = {Item("a", {"Hum."}), Item("b", {"hum."}), Item("c", {"Hum.", ""})};
    EXPECT_EQ(Sense(room, snListen), CrLf({"  SetListen( ([", "    \"a\": \"Hum.\",", "    \"b\": \"hum.\",",
                                           "    \"c\": \"Hum.\",", "    ]) );"}));
    // One ID holding a comma is written in the list form as well.
    room.Items = {Item("bell, old", {"Dong."})};
    EXPECT_EQ(Sense(room, snListen),
              CrLf({"  SetListen( ([", "    ({\"bell, old\"}): ", "        \"Dong.\",", "    ]) );"}));
}

TEST_F(Sections, BlankSenseTextsWriteNoBlockUnlessAnotherItemHasText)
{
    TRoom& room = Room(2);
    room.Items = {Item("a", {" ", ""}), Item("b", {})};
    EXPECT_EQ(Sense(room, snListen), "");
    EXPECT_EQ(Sense(room, snSmell), "");
    // Once some item has a text, a group of blank lines is written as an empty string.
    room.Items = {Item("a", {" "}), Item("b", {"Tick."}), Item("c", {})};
    EXPECT_EQ(Sense(room, snListen),
              CrLf({"  SetListen( ([", "    \"a\": \" \",", "    \"b\": \"Tick.\",", "    ]) );"}));
    room.Items.clear();
    EXPECT_EQ(Sense(room, snListen), "");
}

TEST_F(Sections, EachSenseBlockReadsItsOwnField)
{
    TRoom& room = Room(2);
    TItem item = Item("x");
    item.Description = {"D"};
    item.Listen = {"L"};
    item.Smell = {"M"};
    item.Touch = {"T"};
    item.Search = {"S"};
    item.Read = {"R"};
    room.Items = {item};
    EXPECT_EQ(Sense(room, snListen), CrLf({"  SetListen( ([", "    \"x\": \"L\",", "    ]) );"}));
    EXPECT_EQ(Sense(room, snSmell), CrLf({"  SetSmell( ([", "    \"x\": \"M\",", "    ]) );"}));
    EXPECT_EQ(Sense(room, snTouch), CrLf({"  SetTouch( ([", "    \"x\": \"T\",", "    ]) );"}));
    EXPECT_EQ(Sense(room, snSearch), CrLf({"  SetSearch( ([", "    \"x\": \"S\",", "    ]) );"}));
    EXPECT_EQ(Sense(room, snRead), CrLf({"  SetRead( ([", "    \"x\": \"R\",", "    ]) );"}));
}

TEST_F(Sections, ExitsOfTheWorkedExample)
{
    const auto ctx = Context();
    const TRoom& clearing = Room(1);
    EXPECT_EQ(Written([&](TCodeWriter& o) {
                  WriteObviousExitsSection(o, clearing);
                  WriteExitsSection(o, ctx, clearing);
                  WriteEntersSection(o, ctx, clearing);
              }),
              CrLf({"  SetObviousExits(\"e, enter hole\");", "  SetExits( ([", "        \"east\": __DIR__\"path\", ",
                    "      ]) );", "  SetEnters( ([", "        \"hole\": __DIR__\"burrow\", ", "      ]) );"}));
}

TEST_F(Sections, ExitsWhoseRoomIsGoneStayOnlyInTheObviousList)
{
    TRoom& room = Room(2);
    // Links west to the clearing, north-east to an empty cell; exits to a deleted room,
    // an unset target and a real one; a hidden exit and enters without any target.
    room.CompassLinks[dirNE] = {5, -1};
    room.Exits = {{ekVisibleExit, "gone", 99},  {ekVisibleExit, "unset", -1}, {ekHiddenExit, "secret", 3},
                  {ekHiddenEnter, "nowhere", 42}, {ekNone, "nokind", 1},     {ekVisibleEnter, "hut", 77}};
    const auto ctx = Context();
    EXPECT_EQ(Written([&](TCodeWriter& o) {
                  WriteObviousExitsSection(o, room);
                  WriteExitsSection(o, ctx, room);
                  WriteEntersSection(o, ctx, room);
              }),
              CrLf({"  SetObviousExits(\"ne, w, gone, unset, enter hut\");", "  SetExits( ([",
                    "        \"west\": __DIR__\"clearing\", ", "        \"secret\": __DIR__\"burrow\", ", "      ]) );",
                    "  SetEnters( ([", "      ]) );"}));

    // No exits at all: an empty obvious list and an empty SetExits frame, no SetEnters.
    TRoom lonely;
    EXPECT_EQ(Written([&](TCodeWriter& o) {
                  WriteObviousExitsSection(o, lonely);
                  WriteExitsSection(o, ctx, lonely);
                  WriteEntersSection(o, ctx, lonely);
              }),
              CrLf({"  SetObviousExits(\"\");", "  SetExits( ([", "      ]) );"}));
}

TEST_F(Sections, CompassExitsFollowTheirOwnDirectionOrder)
{
    TRoomList grid(5, 5);
    AddRoom(grid, 1, 3, 3, "c");
    const char* names[] = {"n", "s", "e", "w", "nw", "se", "sw", "ne"};
    for (int d = 0; d < DirectionCount; ++d) {
        const auto& info = DirectionInfo(static_cast<TDirection>(d));
        AddRoom(grid, 2 + d, 3 + 2 * info.DX, 3 + 2 * info.DY, names[d]);
    }
    TRoom* c = grid.RoomAt(3, 3);
    for (int d = 0; d < DirectionCount; ++d) {
        const auto& info = DirectionInfo(static_cast<TDirection>(d));
        c->CompassLinks[d] = {3 + 2 * info.DX, 3 + 2 * info.DY};
    }
    const auto ctx = MakeExportContext(grid, "g");
    TCodeWriter out;
    WriteObviousExitsSection(out, *c);
    WriteExitsSection(out, ctx, *c);
    EXPECT_EQ(out.Bytes(),
              CrLf({"  SetObviousExits(\"nw, n, ne, e, se, s, sw, w\");", "  SetExits( ([",
                    "        \"northwest\": __DIR__\"nw\", ", "        \"north\": __DIR__\"n\", ",
                    "        \"northeast\": __DIR__\"ne\", ", "        \"east\": __DIR__\"e\", ",
                    "        \"southeast\": __DIR__\"se\", ", "        \"south\": __DIR__\"s\", ",
                    "        \"southwest\": __DIR__\"sw\", ", "        \"west\": __DIR__\"w\", ", "      ]) );"}));
}

TEST_F(Sections, LongDescriptionsByName)
{
    TRoom& room = Room(2);
    const auto ctx = Context();
    auto longs = [&] { return Written([&](TCodeWriter& o) { WriteLongSection(o, ctx, room); }); };
    EXPECT_EQ(longs(), "");
    room.Descriptions = {{"Long", {}}};
    EXPECT_EQ(longs(), CrLf({"  SetLong(\"\");"}));
    room.Descriptions = {{"Night Long", {"Dark."}}};
    EXPECT_EQ(longs(), CrLf({"  SetNightLong(\"Dark.\");"}));
    room.Descriptions = {{"Night Long", {"Dark."}}, {"Long", {"Day", "light."}}};
    EXPECT_EQ(longs(), CrLf({"  SetNightLong(\"Dark.\");", "  SetDayLong(\"Daylight.\");"}));
    // Other names write nothing, but still count towards "more than one".
    room.Descriptions = {{"long", {"x"}}, {"Long", {"Day."}}, {"Notes", {"y"}}};
    EXPECT_EQ(longs(), CrLf({"  SetDayLong(\"Day.\");"}));
}

TEST_F(Sections, ShortAreaTypeAndLights)
{
    TRoom& room = Room(2);
    room.Short = "  The \"Inn\" \\n ";
    room.AreaTypes = 0;
    room.DayLight = -20;
    room.NightLight = -9999;
    room.AmbientLight = 100;
    const auto ctx = Context();
    EXPECT_EQ(Written([&](TCodeWriter& o) {
                  WriteAreaNameSection(o);
                  WriteShortSection(o, room);
                  WriteAreaTypeSection(o, ctx, room, true);
                  WriteAreaTypeSection(o, ctx, room, false);
                  WriteLightsSection(o, room, true);
                  WriteLightsSection(o, room, false);
              }),
              CrLf({"  SetAreaName(AREA_NAME);", "  SetShort(\"  The \\\"Inn\\\" \\n \");", "  SetAreaType(MYAREA);",
                    "  SetAreaType();", "  SetDayLight(DAYLIGHT_MINUS20);", "  SetNightLight(NIGHTLIGHT_MINUS9999);",
                    "  SetAmbientLight(AMBIENTLIGHT_100);", "  SetDayLight(-20);", "  SetNightLight(-9999);",
                    "  SetAmbientLight(100);"}));
    const auto ctx2 = Context();
    EXPECT_EQ(Written([&](TCodeWriter& o) { WriteAreaTypeSection(o, ctx2, Room(1), false); }),
              CrLf({"  SetAreaType(AREA_FOREST | AREA_FIELD);"}));
}

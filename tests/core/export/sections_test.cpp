#include "export/sections.h"
#include "forestarea.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
// The path room of the forest area, whose items and exits each test sets as it needs.
struct Sections : ::testing::Test {
    std::unique_ptr<TRoomList> area = MakeForestArea();
    TRoom& room = *area->RoomAt(3, 1);

    template <typename F>
    std::string Written(F&& write)
    {
        const TExportContext ctx = MakeExportContext(*area, "/out/forest");
        TCodeWriter out;
        write(out, ctx);
        return out.Bytes();
    }
    std::string Sense(TSense sense)
    {
        return Written([&](TCodeWriter& o, const TExportContext& ctx) { WriteSenseSection(o, ctx, room, sense); });
    }
    std::string Exits(const TRoom& r)
    {
        return Written([&](TCodeWriter& o, const TExportContext& ctx) {
            WriteObviousExitsSection(o, r);
            WriteExitsSection(o, ctx, r);
            WriteEntersSection(o, ctx, r);
        });
    }
};

TItem Item(const std::string& id, TStrings listen = {}, TStrings synonyms = {})
{
    TItem item = DescribedItem(id, {}, std::move(synonyms));
    item.Listen = std::move(listen);
    return item;
}
} // namespace

TEST_F(Sections, ItemKeysSkipBlankSynonymsButKeepTheirBlanks)
{
    TItem oak = Item("oak", {}, {"", " tree ", "  "});
    oak.Description = {"Big."};
    room.Items = {oak, Item("say \"x\"", {}, {" ", "\t"}), Item("bare")};
    auto items = [&] { return Written([&](TCodeWriter& o, const TExportContext& ctx) { WriteItemsSection(o, ctx, room); }); };
    EXPECT_EQ(items(), CrLfText(R"(  SetItems( ([
     ({ "oak", " tree " }): 
        "Big.", 
     ({ "say \"x\"" }): 
        "", 
     "bare": "", 
    ]) );
)"));
    room.Items.clear();
    EXPECT_EQ(items(), "");
}

TEST_F(Sections, SenseTextsGroupByEqualTextAndCommasChooseTheListForm)
{
    // Quotes in IDs are escaped in both key forms.
    room.Items = {Item("a", {"Hum."}), Item("say \"b\"", {"Buzz."}), Item("c", {"Hum."}), Item("d\"", {"Hum."}), Item("e")};
    EXPECT_EQ(Sense(snListen), CrLf({"  SetListen( ([", "    ({\"a\", \"c\", \"d\\\"\"}): ", "        \"Hum.\",",
                                     "    \"say \\\"b\\\"\": \"Buzz.\",", "    ]) );"}));
    // Equal means equal bytes: case and line breaks count.
    room.Items = {Item("a", {"Hum."}), Item("b", {"hum."}), Item("c", {"Hum.", ""})};
    EXPECT_EQ(Sense(snListen), CrLf({"  SetListen( ([", "    \"a\": \"Hum.\",", "    \"b\": \"hum.\",",
                                     "    \"c\": \"Hum.\",", "    ]) );"}));
    // One ID holding a comma is written in the list form as well.
    room.Items = {Item("bell, old", {"Dong."})};
    EXPECT_EQ(Sense(snListen), CrLf({"  SetListen( ([", "    ({\"bell, old\"}): ", "        \"Dong.\",", "    ]) );"}));
}

TEST_F(Sections, BlankSenseTextsWriteNoBlockUnlessAnotherItemHasText)
{
    room.Items = {Item("a", {" ", ""}), Item("b")};
    EXPECT_EQ(Sense(snListen), "");
    EXPECT_EQ(Sense(snSmell), "");
    // Once some item has a text, a group of blank lines is written as an empty string.
    room.Items = {Item("a", {" "}), Item("b", {"Tick."}), Item("c")};
    EXPECT_EQ(Sense(snListen), CrLf({"  SetListen( ([", "    \"a\": \" \",", "    \"b\": \"Tick.\",", "    ]) );"}));
}

TEST_F(Sections, EachSenseBlockReadsItsOwnField)
{
    room.Items = {TItem{"x", {}, {"D"}, {"L"}, {"M"}, {"T"}, {"S"}, {"R"}}};
    const std::tuple<TSense, const char*, const char*> cases[] = {
        {snListen, "Listen", "L"}, {snSmell, "Smell", "M"}, {snTouch, "Touch", "T"}, {snSearch, "Search", "S"}, {snRead, "Read", "R"}};
    for (const auto& [sense, name, value] : cases)
        EXPECT_EQ(Sense(sense), "  Set" + std::string(name) + "( ([\r\n    \"x\": \"" + value + "\",\r\n    ]) );\r\n");
}

TEST_F(Sections, ExitsWhoseRoomIsGoneStayOnlyInTheObviousList)
{
    // Links west to the clearing, north-east to an empty cell; exits to a deleted room,
    // an unset target and a real one; a hidden exit and enters without any target.
    room.CompassLinks[dirNE] = {5, -1};
    room.Exits = {{ekVisibleExit, "gone", 99},  {ekVisibleExit, "unset", -1}, {ekHiddenExit, "secret", 3},
                  {ekHiddenEnter, "nowhere", 42}, {ekNone, "nokind", 1},     {ekVisibleEnter, "hut", 77}};
    EXPECT_EQ(Exits(room), CrLfText(R"(  SetObviousExits("ne, w, gone, unset, enter hut");
  SetExits( ([
        "west": __DIR__"clearing", 
        "secret": __DIR__"burrow", 
      ]) );
  SetEnters( ([
      ]) );
)"));
    // No exits at all: an empty obvious list and an empty SetExits frame, no SetEnters.
    EXPECT_EQ(Exits(TRoom()), CrLf({"  SetObviousExits(\"\");", "  SetExits( ([", "      ]) );"}));
}

TEST_F(Sections, CompassExitsFollowTheirOwnDirectionOrder)
{
    // A room linked in all eight directions to rooms named after the direction.
    area = std::make_unique<TRoomList>(5, 5);
    TRoom& centre = AddRoom(*area, 1, 3, 3, "c");
    const char* names[] = {"n", "s", "e", "w", "nw", "se", "sw", "ne"};
    for (int d = 0; d < DirectionCount; ++d) {
        const auto& info = DirectionInfo(static_cast<TDirection>(d));
        centre.CompassLinks[d] = {3 + 2 * info.DX, 3 + 2 * info.DY};
        AddRoom(*area, 2 + d, 3 + 2 * info.DX, 3 + 2 * info.DY, names[d]);
    }
    EXPECT_EQ(Exits(centre), CrLfText(R"(  SetObviousExits("nw, n, ne, e, se, s, sw, w");
  SetExits( ([
        "northwest": __DIR__"nw", 
        "north": __DIR__"n", 
        "northeast": __DIR__"ne", 
        "east": __DIR__"e", 
        "southeast": __DIR__"se", 
        "south": __DIR__"s", 
        "southwest": __DIR__"sw", 
        "west": __DIR__"w", 
      ]) );
)"));
}

TEST_F(Sections, LongDescriptionsByName)
{
    auto longs = [&] { return Written([&](TCodeWriter& o, const TExportContext& ctx) { WriteLongSection(o, ctx, room); }); };
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

TEST_F(Sections, WrapWidthsOutsideTheirRangeWrapAsTheDefaults)
{
    // Commas make one-letter chunks: a width below the indent would give each its own row.
    room.Descriptions = {{"Long", {"a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,y,z a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,"
                                   "p,q,r,s,t,u,v,w,x,y,z a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,y,z"}}};
    auto longs = [&] { return Written([&](TCodeWriter& o, const TExportContext& ctx) { WriteLongSection(o, ctx, room); }); };
    area->WrapFirst = 40;
    area->WrapOther = 75;
    const std::string defaults = longs();
    for (const auto& [first, other] : std::vector<std::pair<int32_t, int32_t>>{
             {-5, -1000000}, {0, 0}, {MinWrapWidth - 1, MaxWrapWidth + 1}, {INT32_MIN, INT32_MAX}}) {
        area->WrapFirst = first;
        area->WrapOther = other;
        EXPECT_EQ(longs(), defaults) << first << " " << other;
    }
    // The bounds themselves are taken as chosen.
    area->WrapFirst = MinWrapWidth;
    area->WrapOther = MinWrapWidth;
    const std::string narrow = longs();
    EXPECT_GT(std::count(narrow.begin(), narrow.end(), '\n'), std::count(defaults.begin(), defaults.end(), '\n'));
}

TEST_F(Sections, ShortAreaTypeAndLights)
{
    room.Short = "  The \"Inn\" \\n ";
    room.AreaTypes = 0;
    room.DayLight = -20;
    room.NightLight = -9999;
    room.AmbientLight = 100;
    EXPECT_EQ(Written([&](TCodeWriter& o, const TExportContext& ctx) {
                  WriteAreaNameSection(o);
                  WriteShortSection(o, room);
                  WriteAreaTypeSection(o, ctx, room, true);
                  WriteAreaTypeSection(o, ctx, room, false);
                  WriteLightsSection(o, room, true);
                  WriteLightsSection(o, room, false);
              }),
              CrLfText(R"(  SetAreaName(AREA_NAME);
  SetShort("  The \"Inn\" \n ");
  SetAreaType(MYAREA);
  SetAreaType();
  SetDayLight(DAYLIGHT_MINUS20);
  SetNightLight(NIGHTLIGHT_MINUS9999);
  SetAmbientLight(AMBIENTLIGHT_100);
  SetDayLight(-20);
  SetNightLight(-9999);
  SetAmbientLight(100);
)"));
}

#include "export/roomscripted.h"
#include "export/scriptexpansion.h"
#include "forestarea.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
std::string Expanded(const TRoomList& area, const TRoom& room, const TStrings& lines)
{
    const TExportContext ctx = MakeExportContext(area, "/x/forest");
    TCodeWriter out;
    ExpandScript(out, ctx, room, lines);
    return out.Bytes();
}
} // namespace

TEST(Placeholders, WholeLineAnyCaseBlanksAroundIgnored)
{
    EXPECT_EQ(PlaceholderOf("$_SHORT_$"), TPlaceholder::Short);
    EXPECT_EQ(PlaceholderOf("  $_short_$  "), TPlaceholder::Short);
    EXPECT_EQ(PlaceholderOf("\t$_Short_$\r"), TPlaceholder::Short);
    EXPECT_EQ(PlaceholderOf("$_lights_value_$"), TPlaceholder::LightsValue);
    EXPECT_EQ(PlaceholderOf("$_AREATYPE_VALUE_$"), TPlaceholder::AreaTypeValue);
    EXPECT_EQ(PlaceholderOf("$_obv_exits_$"), TPlaceholder::ObvExits);
    EXPECT_EQ(PlaceholderOf("$_INCLUDE_H_$"), TPlaceholder::IncludeH);
    // Other text on the line, inner blanks or a near miss is no placeholder.
    EXPECT_EQ(PlaceholderOf("// $_SHORT_$"), TPlaceholder::None);
    EXPECT_EQ(PlaceholderOf("SetShort($_SHORT_$)"), TPlaceholder::None);
    EXPECT_EQ(PlaceholderOf("$_SHORT_$;"), TPlaceholder::None);
    EXPECT_EQ(PlaceholderOf("$_ SHORT_$"), TPlaceholder::None);
    EXPECT_EQ(PlaceholderOf("$_SHORTS_$"), TPlaceholder::None);
    EXPECT_EQ(PlaceholderOf(""), TPlaceholder::None);
    EXPECT_EQ(PlaceholderOf("$"), TPlaceholder::None);
}

TEST(ScriptExpansion, PlaceholdersWriteTheirSectionOtherLinesStayAsTheyAre)
{
    auto area = MakeForestArea();
    const TRoom& clearing = *area->RoomAt(1, 1);
    const TStrings lines = {"  $_short_$  ", "\t$_SHORT_$", "// $_SHORT_$", "  SetShort($_SHORT_$)  ",
                            "$_AREATYPE_VALUE_$", " $_LIGHTS_VALUE_$", "  $_include_h_$", "Tail\t "};
    EXPECT_EQ(Expanded(*area, clearing, lines),
              CrLf({"  SetShort(\"A quiet clearing\");", "  SetShort(\"A quiet clearing\");", "// $_SHORT_$",
                    "  SetShort($_SHORT_$)  ", "  SetAreaType(AREA_FOREST | AREA_FIELD);", "  SetDayLight(50);",
                    "  SetNightLight(10);", "  SetAmbientLight(0);", "#include \"../forest.h\"", "Tail\t "}));
}

TEST(ScriptExpansion, RepeatedPlaceholdersRepeatTheirSection)
{
    auto area = MakeForestArea();
    const TRoom& burrow = *area->RoomAt(1, 3);
    EXPECT_EQ(Expanded(*area, burrow, {"$_AREANAME_$", "x", "$_areaname_$"}),
              CrLf({"  SetAreaName(AREA_NAME);", "x", "  SetAreaName(AREA_NAME);"}));
    const TRoom& clearing = *area->RoomAt(1, 1);
    const std::string once = Expanded(*area, clearing, {"$_ITEMS_$"});
    EXPECT_EQ(Expanded(*area, clearing, {"$_ITEMS_$", "$_ITEMS_$"}), once + once);
    // Sections that write nothing leave no line behind.
    EXPECT_EQ(Expanded(*area, burrow, {"$_ITEMS_$", "$_LISTEN_$", "$_ENTERS_$"}), "");
    EXPECT_EQ(Expanded(*area, burrow, {}), "");
}

TEST(ScriptExpansion, SelectScriptUsesTheRoomsScriptOnlyWhenEnabledAndNotBlank)
{
    auto area = MakeForestArea();
    TRoom& room = *area->RoomAt(1, 1);
    EXPECT_EQ(&SelectScript(*area, room), &area->ScriptTemplate);
    room.Script = {"// mine", "$_SHORT_$"};
    EXPECT_EQ(&SelectScript(*area, room), &area->ScriptTemplate); // disabled: kept, not used
    room.ScriptEnabled = true;
    EXPECT_EQ(&SelectScript(*area, room), &room.Script);
    room.Script = {"", "   ", "\t"};
    EXPECT_EQ(&SelectScript(*area, room), &area->ScriptTemplate);
    room.Script.clear();
    EXPECT_EQ(&SelectScript(*area, room), &area->ScriptTemplate);
}

TEST(ScriptExpansion, ScriptedRoomIsHeaderThenExpansion)
{
    auto area = MakeForestArea();
    TRoom& room = *area->RoomAt(3, 1);
    area->ScriptTemplate.clear();
    const TExportContext ctx = MakeExportContext(*area, "/x/forest");
    TCodeWriter out;
    WriteRoomScripted(out, ctx, room);
    const std::string headerOnly = out.Bytes();
    EXPECT_EQ(AfterHeaderLines(headerOnly), "");
    EXPECT_EQ(std::count(headerOnly.begin(), headerOnly.end(), '\n'), 2);

    room.Script = {"// own", "$_SHORT_$"};
    room.ScriptEnabled = true;
    out.Clear();
    WriteRoomScripted(out, ctx, room);
    EXPECT_EQ(AfterHeaderLines(out.Bytes()), CrLf({"// own", "  SetShort(\"A narrow path\");"}));
}

TEST(ScriptExpansion, TemplateIncludesHeaderLooksForTheWholeLine)
{
    EXPECT_TRUE(TemplateIncludesHeader(DefaultScriptTemplate()));
    EXPECT_TRUE(TemplateIncludesHeader({"a", " $_include_h_$ "}));
    EXPECT_FALSE(TemplateIncludesHeader({"// $_INCLUDE_H_$"}));
    EXPECT_FALSE(TemplateIncludesHeader({}));
}

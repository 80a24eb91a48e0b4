#include "export/scriptexpansion.h"
#include "forestarea.h"

#include <gtest/gtest.h>

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
    const std::pair<const char*, TPlaceholder> cases[] = {
        {"$_SHORT_$", TPlaceholder::Short}, {"  $_short_$  ", TPlaceholder::Short}, {"\t$_Short_$\r", TPlaceholder::Short},
        {"$_lights_value_$", TPlaceholder::LightsValue}, {"$_AREATYPE_VALUE_$", TPlaceholder::AreaTypeValue},
        {"$_obv_exits_$", TPlaceholder::ObvExits}, {"$_INCLUDE_H_$", TPlaceholder::IncludeH},
        // Other text on the line, inner blanks or a near miss is no placeholder.
        {"// $_SHORT_$", TPlaceholder::None}, {"SetShort($_SHORT_$)", TPlaceholder::None},
        {"$_SHORT_$;", TPlaceholder::None}, {"$_ SHORT_$", TPlaceholder::None}, {"$_SHORTS_$", TPlaceholder::None},
        {"", TPlaceholder::None}, {"$", TPlaceholder::None}};
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(PlaceholderOf(line), expected) << line;
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

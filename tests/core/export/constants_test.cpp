#include "export/constants.h"
#include "forestarea.h"

#include <gtest/gtest.h>

TEST(ExportConstants, AreaTypeNamesAndValues)
{
    const TAreaTypeConstant none = MakeAreaTypeConstant(0);
    EXPECT_EQ(none.Name, "MYAREA");
    EXPECT_EQ(none.Value, "");
    TAreaTypes all = 0;
    for (int k = 1; k <= AreaTypeCount; ++k)
        all = WithAreaType(all, k);
    const TAreaTypeConstant every = MakeAreaTypeConstant(all);
    EXPECT_EQ(every.Name, "MYAREA_PLA_PAT_FOR_JUN_HIL_MOU_COA_SWA_DES_CIT_BUS_BUI_CAV_MIN_UND_RIV_CLO_FIE");
    EXPECT_EQ(every.Value, "AREA_PLAIN | AREA_PATH | AREA_FOREST | AREA_JUNGLE | AREA_HILLS | AREA_MOUNTAINS | "
                           "AREA_COAST | AREA_SWAMP | AREA_DESERT | AREA_CITY | AREA_BUSHES | AREA_BUILDING | "
                           "AREA_CAVE | AREA_MINE | AREA_UNDERGROUND | AREA_RIVER | AREA_CLOUDS | AREA_FIELD");
    // Bits that are no area type do not make another constant of the same name.
    EXPECT_EQ(MakeAreaTypeConstant(1u | (1u << 19) | (1u << 31)).Name, "MYAREA");
}

TEST(ExportConstants, ListsFollowFirstAppearanceInNumberOrder)
{
    TRoomList area(9, 9);
    // Added in position order; numbers run the other way.
    auto add = [&](int32_t number, int32_t y, TAreaTypes types, int32_t day) -> TRoom& {
        TRoom& r = AddRoom(area, number, 1, y, "r" + std::to_string(number));
        r.AreaTypes = types;
        r.DayLight = day;
        r.NightLight = 7;
        return r;
    };
    TRoom& a = add(3, 1, 1u << 1, 5);
    add(1, 3, 1u << 2, -20);
    add(2, 5, 1u << 1, 5);
    TRoom& d = add(4, 7, 1u | (1u << 2), 0); // a stray bit: still the set of room 1
    a.AmbientLight = -9999;
    const TExportContext ctx = MakeExportContext(area, "x");
    ASSERT_EQ(ctx.AreaTypes.List().size(), 2u);
    EXPECT_EQ(ctx.AreaTypes.List()[0].Name, "MYAREA_PAT");
    EXPECT_EQ(ctx.AreaTypes.List()[1].Name, "MYAREA_PLA");
    ASSERT_NE(ctx.AreaTypes.Find(d.AreaTypes), nullptr);
    EXPECT_EQ(ctx.AreaTypes.Find(d.AreaTypes)->Name, "MYAREA_PAT");

    auto names = [](const TLightConstants& list) {
        std::vector<std::string> n;
        for (const auto& c : list.List())
            n.push_back(c.Name + "=" + std::to_string(c.Level));
        return n;
    };
    EXPECT_EQ(names(ctx.Lights[lkDay]),
              (std::vector<std::string>{"DAYLIGHT_MINUS20=-20", "DAYLIGHT_5=5", "DAYLIGHT_0=0"}));
    EXPECT_EQ(names(ctx.Lights[lkNight]), (std::vector<std::string>{"NIGHTLIGHT_7=7"}));
    EXPECT_EQ(names(ctx.Lights[lkAmbient]),
              (std::vector<std::string>{"AMBIENTLIGHT_0=0", "AMBIENTLIGHT_MINUS9999=-9999"}));
    ASSERT_EQ(ctx.RoomsByNumber.size(), 4u);
    EXPECT_EQ(ctx.RoomsByNumber[0]->Number, 1);
    EXPECT_EQ(ctx.RoomByNumber(3), &a);
    EXPECT_EQ(ctx.RoomByNumber(5), nullptr);
    EXPECT_EQ(ctx.RoomByNumber(-1), nullptr);
    // The lowest level has no positive counterpart to negate into.
    EXPECT_EQ(LightConstantName(lkAmbient, INT32_MIN), "AMBIENTLIGHT_MINUS2147483648");
}

TEST(ExportContext, AreaNameIsTheLastComponent)
{
    EXPECT_EQ(AreaNameOf("/areas/forest"), "forest");
    EXPECT_EQ(AreaNameOf("/areas/Forest/"), "Forest");
    EXPECT_EQ(AreaNameOf("forest"), "forest");
    EXPECT_EQ(AreaNameOf("/tmp/a.b/deep//"), "deep");
    // . stands for the directory it names, never for a name of its own.
    EXPECT_NE(AreaNameOf("."), ".");
    EXPECT_FALSE(AreaNameOf(".").empty());
}

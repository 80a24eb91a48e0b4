#include "export/constants.h"
#include "forestarea.h"

#include <gtest/gtest.h>

TEST(ExportConstants, AreaTypeNamesAndValues)
{
    const TAreaTypeConstant pathForest = MakeAreaTypeConstant((1u << 2) | (1u << 3));
    EXPECT_EQ(pathForest.Name, "MYAREA_PAT_FOR");
    EXPECT_EQ(pathForest.Value, "AREA_PATH | AREA_FOREST");
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
    TRoom& a = AddRoom(area, 3, 1, 1, "a");
    TRoom& b = AddRoom(area, 1, 3, 1, "b");
    TRoom& c = AddRoom(area, 2, 5, 1, "c");
    TRoom& d = AddRoom(area, 4, 7, 1, "d");
    a.AreaTypes = 1u << 1;
    b.AreaTypes = 1u << 2;
    c.AreaTypes = 1u << 1;
    d.AreaTypes = 1u | (1u << 2); // a stray bit: still the set of b
    a.DayLight = 5;
    b.DayLight = -20;
    c.DayLight = 5;
    d.DayLight = 0;
    a.NightLight = b.NightLight = c.NightLight = d.NightLight = 7;
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
    EXPECT_EQ(ctx.RoomsByNumber[0]->FileName, "b");
    EXPECT_EQ(ctx.RoomByNumber(3), &a);
    EXPECT_EQ(ctx.RoomByNumber(5), nullptr);
    EXPECT_EQ(ctx.RoomByNumber(-1), nullptr);
}

TEST(ExportConstants, LightNamesSpellTheMinusSign)
{
    EXPECT_EQ(LightConstantName(lkDay, 50), "DAYLIGHT_50");
    EXPECT_EQ(LightConstantName(lkNight, 0), "NIGHTLIGHT_0");
    EXPECT_EQ(LightConstantName(lkDay, -20), "DAYLIGHT_MINUS20");
    EXPECT_EQ(LightConstantName(lkAmbient, -9999), "AMBIENTLIGHT_MINUS9999");
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

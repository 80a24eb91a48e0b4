#include "export/validation.h"
#include "forestarea.h"

#include <gtest/gtest.h>

namespace {
using TTexts = std::vector<std::string>;
TTexts Texts(const TValidationReport& report)
{
    TTexts t;
    for (const auto& line : report.Lines())
        t.push_back(line.Text());
    return t;
}

// A room that passes every check.
TRoom& GoodRoom(TRoomList& area, int32_t number, int32_t x, int32_t y)
{
    TRoom& r = AddRoom(area, number, x, y, "r" + std::to_string(number));
    r.Short = "Short";
    r.Descriptions = {{"Long", {"Text."}}};
    r.AreaTypes = 1u << 1;
    r.Items = {DescribedItem("thing", {"A thing."})};
    r.Exits = {{ekVisibleExit, "out", 1}};
    return r;
}
} // namespace

TEST(Validation, EveryMessageInOrderWithTheRoomPart)
{
    TRoomList area(9, 9);
    TRoom& bare = AddRoom(area, 3, 1, 3, " \t");
    bare.Descriptions = {{"Long", {" ", ""}}, {"Night Long", {}}};
    TRoom& items = GoodRoom(area, 7, 5, 1);
    items.Items = {DescribedItem("say \"x\"", {"  "}), DescribedItem("default", {}), DescribedItem("Default", {})};
    items.Exits.clear();
    items.CompassLinks[dirS] = {5, 3}; // linked, even to a missing room: no exit warning

    const TValidationReport report = ValidateArea(area);
    EXPECT_EQ(Texts(report), (TTexts{"ERROR:  Room: 7 (5:1) Item \"say \"x\"\" is missing description!",
                                     "ERROR:  Room: 7 (5:1) Item \"Default\" is missing description!",
                                     "ERROR:  Room: 3 (1:3) Missing filename!",
                                     "ERROR:  Room: 3 (1:3) Missing short description!",
                                     "ERROR:  Room: 3 (1:3) Missing long description!",
                                     "ERROR:  Room: 3 (1:3) Missing Area Type!",
                                     "Warning:  Room: 3 (1:3) No items defined, you should add some.",
                                     "Warning:  Room: 3 (1:3) No exits, is it correct?"}));
    EXPECT_TRUE(report.HasErrors());
    EXPECT_EQ(report.Summary(), "8 possible problems found.");
    EXPECT_EQ(report.Lines()[2].Kind, TReportKind::Error);
    EXPECT_EQ(report.Lines()[6].Kind, TReportKind::Warning);
}

TEST(Validation, DescriptionsExitsAndTheSummaries)
{
    TRoomList area(9, 9);
    EXPECT_EQ(ValidateArea(area).Summary(), "Excellent, no errors or warnings found.");
    TRoom& r = GoodRoom(area, 1, 1, 1);
    // Any one description with text passes, whatever its name; any special exit counts.
    for (const auto& descriptions : {std::vector<TRoomDescription>{{"Long", {"Text."}}},
                                     std::vector<TRoomDescription>{{"Long", {}}, {"Night Long", {"At night."}}},
                                     std::vector<TRoomDescription>{{"Whatever", {"Any name counts."}}}}) {
        r.Descriptions = descriptions;
        EXPECT_EQ(ValidateArea(area).Count(), 0) << descriptions.back().Name;
    }
    r.Exits = {{ekNone, "", -1}};
    EXPECT_EQ(ValidateArea(area).Count(), 0);

    r.Exits.clear();
    const TValidationReport warned = ValidateArea(area);
    EXPECT_EQ(Texts(warned), (TTexts{"Warning:  Room: 1 (1:1) No exits, is it correct?"}));
    EXPECT_FALSE(warned.HasErrors());
    EXPECT_EQ(warned.Summary(), "Only one possible problem found.");
}

TEST(Validation, ReportRoomFollowsOnlyRoomsThatAreStillThere)
{
    TRoomList area(9, 9);
    AddRoom(area, 1, 1, 1, "");
    AddRoom(area, 2, 3, 1, "");
    const TValidationReport report = ValidateArea(area);
    ASSERT_GT(report.Count(), 0);
    const TReportLine& last = report.Lines().back();
    EXPECT_EQ(ReportRoom(area, last), area.RoomAt(3, 1));
    area.Remove(area.RoomAt(3, 1));
    EXPECT_EQ(ReportRoom(area, last), nullptr);
    // Another room on the same cell is another room.
    AddRoom(area, 9, 3, 1, "");
    EXPECT_EQ(ReportRoom(area, last), nullptr);
}

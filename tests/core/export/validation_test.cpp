#include "export/validation.h"
#include "forestarea.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST(Validation, WhatBreaksTheGeneratedCodeIsWarnedOnlyByItsOwnData)
{
    using TEdit = std::function<void(TRoomList&, TRoom&)>;
    const std::string w = "Warning:  Room: 1 (1:1) ", a = "Warning:  Area: ";
    const std::string broken = " has a backslash at a line end or before a double quote, which breaks the string in "
                               "the code.",
                      constants = a + "Script template uses the area header's constants without a $_INCLUDE_H_$ "
                                      "line, so they are undefined.",
                      stray = "\" is not a known placeholder alone on its line and stays in the code as it is.",
                      header = a + "File header is empty: the room files of the fixed layout inherit nothing and "
                                   "room::create() fails.";
    const struct {
        TEdit Edit;
        TTexts Expected;
        TExportEncoding Encoding = TExportEncoding::CodePage;
    } cases[] = {
        {[](TRoomList&, TRoom& r) { r.Short = "Ends in \\"; },
         {w + "Short description" + broken}},
        {[](TRoomList&, TRoom& r) { r.Descriptions[0].Text = {"Say \\\"hi\"."}; },
         {w + "Long description" + broken}},
        {[](TRoomList&, TRoom& r) { r.Items[0].Description = {"Half\\0 of it"}; },
         {w + "Description of item \"thing\" has \"\\0\", which cuts the text off."}},
        {[](TRoomList&, TRoom& r) { r.Items[0].Synonyms = {"be\\a", "\\b"}; },
         {w + "Synonym \"be\\a\" of item \"thing\" has \"\\a\", which becomes a control character.",
          w + "Synonym \"\\b\" of item \"thing\" has \"\\b\", which becomes a control character."}},
        {[](TRoomList&, TRoom& r) { r.Items[0].Listen = {"nine \\9"}; },
         {w + "Listen text of item \"thing\" has \"\\9\", which the driver rejects."}},
        {[](TRoomList&, TRoom& r) { r.Items[0].Smell = {"\\xZ", "\\8"}; },
         {w + "Smell text of item \"thing\" has \"\\x\" without hex digits, which the driver rejects."}},
        {[](TRoomList&, TRoom& r) { r.Descriptions.push_back({"Night Long", {"\\U"}}); },
         {w + "Night Long description has \"\\U\" without hex digits, which the driver rejects."}},
        // Escapes builders type on purpose, paired backslashes and texts the export does not write.
        {[](TRoomList&, TRoom& r) {
             r.Short = "\\n\\t\\\\\\x41\\u00e9\\012 \\\\\" ok\\\\";
             r.Descriptions.push_back({"Other", {"\\a \\"}});
             r.Exits.push_back({ekNone, "\"", 1});
             r.Items[0].Synonyms = {" ", "\\\\"};
         },
         {}},
        {[](TRoomList&, TRoom& r) { r.Exits[0].ID = "up\"stairs"; },
         {w + "Exit \"up\"stairs\" has a double quote or backslash, which the code writes unescaped."}},
        {[](TRoomList&, TRoom& r) { r.FileName = "r\\1"; },
         {w + "Filename has a double quote or backslash, which the code writes unescaped."}},
        {[](TRoomList& area, TRoom&) { GoodRoom(area, 2, 3, 1).FileName = "r1.c"; },
         {"Warning:  Room: 2 (3:1) Writes the same file \"r1.c\" as room 1 and overwrites it."}},
        {[](TRoomList& area, TRoom&) { area.FileHeader = {"", "  "}; },
         {header}},
        {[](TRoomList& area, TRoom&) { area.ScriptTemplate = {"inherit LIB_ROOM;", "  SetRainType(RAIN);"}; },
         {constants}},
        {[](TRoomList& area, TRoom&) { area.ScriptTemplate = {"  $_LIGHTS_CONS_$"}; },
         {constants}},
        {[](TRoomList& area, TRoom&) { area.ScriptTemplate = {"$_include_h_$", "$_SHORT_$ // text", " $_SHRT_$"}; },
         {a + "Script template line 2: \"$_SHORT_$" + stray, a + "Script template line 3: \"$_SHRT_$" + stray}},
        {[](TRoomList& area, TRoom&) { GoodRoom(area, 5, 3, 1).Items[0].Touch = {"Hladk\xE9 \xE8"}; },
         {a + "Text outside ASCII (first in room 5) is exported as 8-bit bytes, which current drivers reject; use "
              "the UTF-8 export option."}},
        {[](TRoomList& area, TRoom&) { GoodRoom(area, 5, 3, 1).Items[0].Touch = {"Hladk\xE9 \xE8"}; },
         {},
         TExportEncoding::Utf8},
    };
    for (const auto& c : cases) {
        TRoomList area(9, 9);
        c.Edit(area, GoodRoom(area, 1, 1, 1));
        EXPECT_EQ(Texts(ValidateArea(area, c.Encoding)), c.Expected) << (c.Expected.empty() ? "" : c.Expected[0]);
    }

    // The new lines follow the room's own lines, and a line about the area leads to no room.
    TRoomList area(9, 9);
    TRoom& r = GoodRoom(area, 1, 1, 1);
    r.Items.clear();
    r.Short = "\\a";
    area.FileHeader.clear();
    const TValidationReport report = ValidateArea(area);
    EXPECT_EQ(Texts(report), (TTexts{w + "No items defined, you should add some.",
                                     w + "Short description has \"\\a\", which becomes a control character.",
                                     header}));
    EXPECT_EQ(ReportRoom(area, report.Lines()[1]), &r);
    EXPECT_EQ(ReportRoom(area, report.Lines()[2]), nullptr);
}

TEST(Validation, RoomsSharingANumberAreEachReportedAfterTheirOwnLines)
{
    TRoomList area(9, 9);
    GoodRoom(area, 5, 1, 1);
    GoodRoom(area, 6, 2, 1);
    TRoom& exitless = GoodRoom(area, 5, 3, 1);
    exitless.Exits.clear();
    exitless.FileName = "other";
    GoodRoom(area, 5, 1, 2).FileName = "third";
    const TValidationReport report = ValidateArea(area);
    EXPECT_EQ(Texts(report), (TTexts{"ERROR:  Room: 5 (1:1) Number is also the number of the room at (3:1)!",
                                     "Warning:  Room: 5 (3:1) No exits, is it correct?",
                                     "ERROR:  Room: 5 (3:1) Number is also the number of the room at (1:1)!",
                                     "ERROR:  Room: 5 (1:2) Number is also the number of the room at (1:1)!"}));
    EXPECT_TRUE(report.HasErrors());
    // Every line names its own room, which a click then follows.
    EXPECT_EQ(ReportRoom(area, report.Lines()[2]), area.RoomAt(3, 1));
}

TEST(Validation, LinesOfAKindPerRoomAndTheWholeReportAreBounded)
{
    TRoomList area(9, 9);
    TRoom& items = GoodRoom(area, 1, 1, 1);
    for (int i = 0; i < 50; ++i)
        items.Items.push_back(DescribedItem("i" + std::to_string(i) + "\\0", {}));
    const TValidationReport report = ValidateArea(area);
    const std::string e = "ERROR:  Room: 1 (1:1) ", w = "Warning:  Room: 1 (1:1) ";
    // Items without a description are one kind whatever their ID; "\0" in an ID another.
    const TTexts texts = Texts(report);
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[0], e + "Item \"i0\\0\" is missing description!");
    EXPECT_EQ(texts[2], e + "Item \"i2\\0\" is missing description!");
    EXPECT_EQ(texts[3], w + "Item \"i0\\0\" has \"\\0\", which cuts the text off.");
    EXPECT_EQ(texts[6], e + "47 more lines like: Item \"i0\\0\" is missing description!");
    EXPECT_EQ(texts[7], w + "47 more lines like: Item \"i0\\0\" has \"\\0\", which cuts the text off.");
    EXPECT_EQ(report.Summary(), "100 possible problems found.");

    // Thousands of bare rooms: the first lines, then one line counting the rest.
    TRoomList big(200, 200);
    for (int i = 0; i < 4000; ++i)
        AddRoom(big, i + 1, i % 200 + 1, i / 200 + 1, "");
    const TValidationReport capped = ValidateArea(big);
    ASSERT_EQ(capped.Count(), MaxReportLines);
    const long long found = 4000LL * 6; // six lines a room
    EXPECT_EQ(capped.Lines().back().Text(),
              "ERROR:  Area: " + std::to_string(found - (MaxReportLines - 1)) +
                  " more lines not shown: the report keeps the first " + std::to_string(MaxReportLines - 1) + ".");
    EXPECT_EQ(capped.Summary(), std::to_string(found) + " possible problems found.");
    EXPECT_TRUE(capped.HasErrors());
}

TEST(Validation, ZeroEscapeAtTheVeryEndOfEachTextIsWarned)
{
    using TEdit = std::function<void(TRoom&, const std::string&)>;
    const std::string cut = " has \"\\0\", which cuts the text off.";
    const struct {
        const char* Field;
        TEdit Edit;
        std::string Label; // "" : the item ID itself, which names the item in the label
    } fields[] = {
        {"short", [](TRoom& r, const std::string& t) { r.Short = t; }, "Short description"},
        {"long", [](TRoom& r, const std::string& t) { r.Descriptions[0].Text = {"First line.", t}; },
         "Long description"},
        {"night", [](TRoom& r, const std::string& t) { r.Descriptions.push_back({"Night Long", {t}}); },
         "Night Long description"},
        {"item id", [](TRoom& r, const std::string& t) { r.Items[0].ID = t; }, ""},
        {"synonym", [](TRoom& r, const std::string& t) { r.Items[0].Synonyms = {"one", t}; },
         "Synonym \"SYN\" of item \"thing\""},
        {"description", [](TRoom& r, const std::string& t) { r.Items[0].Description = {"A thing.", t}; },
         "Description of item \"thing\""},
        {"listen", [](TRoom& r, const std::string& t) { r.Items[0].Listen = {t}; }, "Listen text of item \"thing\""},
        {"smell", [](TRoom& r, const std::string& t) { r.Items[0].Smell = {t}; }, "Smell text of item \"thing\""},
        {"touch", [](TRoom& r, const std::string& t) { r.Items[0].Touch = {t}; }, "Touch text of item \"thing\""},
        {"search", [](TRoom& r, const std::string& t) { r.Items[0].Search = {t}; }, "Search text of item \"thing\""},
        {"read", [](TRoom& r, const std::string& t) { r.Items[0].Read = {t}; }, "Read text of item \"thing\""},
    };
    for (const char* ending : {"\\0", "\\00", "\\000"})
        for (const auto& field : fields) {
            const std::string text = std::string("ends here ") + ending;
            SCOPED_TRACE(std::string(field.Field) + " " + ending);
            TRoomList area(9, 9);
            field.Edit(GoodRoom(area, 1, 1, 1), text);
            std::string label = field.Label.empty() ? "Item \"" + text + "\"" : field.Label;
            if (const size_t syn = label.find("SYN"); syn != std::string::npos)
                label.replace(syn, 3, text);
            const TTexts texts = Texts(ValidateArea(area));
            EXPECT_NE(std::find(texts.begin(), texts.end(), "Warning:  Room: 1 (1:1) " + label + cut), texts.end())
                << (texts.empty() ? std::string("no lines") : texts.front());
        }
    // Names the code writes unescaped: the backslash itself is warned.
    for (const char* ending : {"\\0", "\\00", "\\000"}) {
        TRoomList area(9, 9);
        TRoom& r = GoodRoom(area, 1, 1, 1);
        r.Exits[0].ID = std::string("out") + ending;
        r.FileName = std::string("r1") + ending;
        EXPECT_EQ(Texts(ValidateArea(area)),
                  (TTexts{"Warning:  Room: 1 (1:1) Filename has a double quote or backslash, which the code writes "
                          "unescaped.",
                          "Warning:  Room: 1 (1:1) Exit \"out" + std::string(ending) +
                              "\" has a double quote or backslash, which the code writes unescaped."}));
    }
}

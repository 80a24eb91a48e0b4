#include "../db/dbtest.h"
#include "model/itemsclipboard.h"

#include <gtest/gtest.h>

namespace {
const std::string SEP = "\x01\x02\x04\x05";
const std::string HEAD = "KAJ KESTERBRANDOR\r\n";
constexpr auto Panel = TClipboardReading::Panel;
constexpr auto Dialog = TClipboardReading::Dialog;

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    while (n-- > 0)
        out += s;
    return out;
}

const TItem kLamp = MakeItem("lamp", {"light", "oil lamp"}, {"A brass lamp."});

// The example: one item, five empty texts after the description.
const std::string kLampText = HEAD + "lamp\tlight\toil lamp" + SEP + "\r\nA brass lamp.\r\n" + SEP + Repeat("\r\n" + SEP, 5);
const std::string kPanelMsg = "Ve schr\xC3\xA1nce se nenach\xC3\xA1zely spr\xC3\xA1vn\xC3\xA9 itemy.";
const std::string kDialogMsg = "Ve schr\xC3\xA1nce se nenach\xC3\xA1zela spr\xC3\xA1vn\xC3\xA1 slov\xC3\xAD\xC4\x8Dka.";
} // namespace

TEST(ItemsClipboard, WritesTheDocumentedBytes)
{
    EXPECT_EQ(ItemsToClipboardText({&kLamp}), kLampText);
    EXPECT_EQ(ItemsToClipboardText({}), "KAJ KESTERBRANDOR");

    // Block order Description, Search, Listen, Smell, Touch, Read; every line with CR LF.
    // ID, synonyms, Description, Listen, Smell, Touch, Search, Read.
    const TItem all{"x", {}, {"d"}, {"l"}, {"s1", "", "s2"}, {"t"}, {"se"}, {"r"}};
    EXPECT_EQ(ItemsToClipboardText({&all}), HEAD + "x\t" + SEP + "\r\nd\r\n" + SEP + "se\r\n" + SEP + "l\r\n" + SEP +
                                                "s1\r\n\r\ns2\r\n" + SEP + "t\r\n" + SEP + "r\r\n" + SEP);
}

TEST(ItemsClipboard, BothReadingsOfTheExample)
{
    for (TClipboardReading reading : {Panel, Dialog}) {
        const TClipboardItems got = ItemsFromClipboardText(kLampText, reading);
        ASSERT_TRUE(got.Ok()) << got.Error;
        ASSERT_EQ(got.Items.size(), 1u);
        // Empty texts: nothing for the panel, one empty line for the dialog.
        TItem expected = kLamp;
        for (int k = 1; k < TItem::SenseCount; ++k)
            expected.Sense(k) = reading == Panel ? TStrings{} : TStrings{""};
        EXPECT_EQ(got.Items[0], expected);
    }
}

TEST(ItemsClipboard, ItemWithoutSynonymsAndTextWithEmptyLines)
{
    TItem key = MakeItem("key");
    key.Smell = {"one", "", "two"};
    const std::string text = ItemsToClipboardText({&key, &kLamp});
    EXPECT_NE(text.find("key\t" + SEP + "\r\n"), std::string::npos);

    // The panel drops the empty line; the dialog keeps it and gives empty lists one empty entry.
    TItem panelKey = key, dialogKey = key;
    panelKey.Smell = {"one", "two"};
    dialogKey.Synonyms = {""};
    for (int k : {0, 1, 3, 4, 5}) // all but Smell
        dialogKey.Sense(k) = {""};
    for (auto [reading, expected] : {std::pair{Panel, panelKey}, std::pair{Dialog, dialogKey}}) {
        const TClipboardItems got = ItemsFromClipboardText(text, reading);
        ASSERT_TRUE(got.Ok()) << got.Error;
        ASSERT_EQ(got.Items.size(), 2u);
        EXPECT_EQ(got.Items[0], expected);
        EXPECT_EQ(got.Items[1].Synonyms, kLamp.Synonyms);
    }

    // Empty synonym pieces between TABs are dropped only by the panel.
    const std::string gaps = HEAD + "id\ta\t\tb\t" + SEP + "\r\n" + Repeat("\r\n" + SEP, 6);
    EXPECT_EQ(ItemsFromClipboardText(gaps, Panel).Items.at(0).Synonyms, (TStrings{"a", "b"}));
    EXPECT_EQ(ItemsFromClipboardText(gaps, Dialog).Items.at(0).Synonyms, (TStrings{"a", "", "b", ""}));
}

TEST(ItemsClipboard, HeaderCheck)
{
    for (const std::string& bad : std::vector<std::string>{"", "KAJ KESTERBRANDOR", "KAJ KESTERBRANDOR\n",
                                                           "kaj kesterbrandor\r\n", "xKAJ KESTERBRANDOR\r\n", kLampText.substr(1)}) {
        const TClipboardItems got = ItemsFromClipboardText(bad, Panel);
        EXPECT_EQ(got.Error, "Incorrect data in clipboard.") << bad;
        EXPECT_TRUE(got.Items.empty());
    }
    const TClipboardItems headerOnly = ItemsFromClipboardText(HEAD, Panel);
    EXPECT_TRUE(headerOnly.Ok() && headerOnly.Items.empty());
}

TEST(ItemsClipboard, MalformedTextKeepsCompletedItems)
{
    const std::string two = ItemsToClipboardText({&kLamp, &kLamp});

    // Every cut inside the second record keeps exactly the first item; a cut right after the
    // CR LF that opens the second record leaves nothing more to read.
    for (size_t cut = kLampText.size() + 1; cut < two.size(); ++cut) {
        const TClipboardItems panel = ItemsFromClipboardText(two.substr(0, cut), Panel);
        const TClipboardItems dialog = ItemsFromClipboardText(two.substr(0, cut), Dialog);
        ASSERT_EQ(panel.Items.size(), 1u) << cut;
        EXPECT_EQ(dialog.Items.size(), 1u) << cut;
        const bool clean = cut == kLampText.size() + 2;
        EXPECT_EQ(panel.Error, clean ? "" : kPanelMsg) << cut;
        EXPECT_EQ(dialog.Error, clean ? "" : kDialogMsg) << cut;
        EXPECT_EQ(panel.Items[0], kLamp);
    }

    // A missing separator, a record without TAB, junk after a record.
    std::string noSep = kLampText;
    noSep.erase(noSep.find(SEP + "\r\nA brass"), 4);
    EXPECT_EQ(ItemsFromClipboardText(noSep, Panel).Error, kPanelMsg);
    EXPECT_EQ(ItemsFromClipboardText(HEAD + "no tab at all", Panel).Error, kPanelMsg);
    const TClipboardItems junk = ItemsFromClipboardText(kLampText + "xy", Panel);
    EXPECT_EQ(junk.Items.size(), 1u);
    EXPECT_EQ(junk.Error, kPanelMsg);
    // A final CR LF after the last record is simply the end.
    EXPECT_TRUE(ItemsFromClipboardText(kLampText + "\r\n", Panel).Ok());
}

TEST(ItemsClipboard, DialogReadingRoundTripsItsOwnResult)
{
    // Separators at line starts and inside lines, a line ending in CR, empty texts and synonyms.
    const std::string odd = HEAD + SEP + "id\t\t" + SEP + "x" + SEP + "\r\n" + SEP + "a\r\r\n" + SEP + "\r\n" + SEP +
                            "b" + SEP + "c\r\n" + SEP + "\r\n\r\n" + SEP + "\r\n" + SEP + "\r\n" + SEP;
    const TClipboardItems first = ItemsFromClipboardText(odd, Dialog);
    ASSERT_TRUE(first.Ok()) << first.Error;
    ASSERT_EQ(first.Items.size(), 1u);
    const TItem& item = first.Items[0];
    EXPECT_EQ(item, (TItem{SEP + "id", {"", SEP + "x"}, {SEP + "a\r"}, {"b" + SEP + "c"}, {"", ""}, {""}, {""}, {""}}));
    // Writing it back and reading again gives the same item.
    const TClipboardItems second = ItemsFromClipboardText(ItemsToClipboardText({&item}), Dialog);
    ASSERT_TRUE(second.Ok());
    EXPECT_EQ(second.Items, first.Items);
}

TEST(ItemsClipboard, TextsOverTheLimitAreRefusedBeforeReading)
{
    // One item whose description fills the text up to the limit is read whole...
    const std::string start = HEAD + "lamp\t" + SEP + "\r\n";
    const std::string end = "\r\n" + SEP + Repeat("\r\n" + SEP, 5);
    const std::string line(MaxItemsClipboardBytes - start.size() - end.size(), 'x');
    const std::string atLimit = start + line + end;
    ASSERT_EQ(atLimit.size(), MaxItemsClipboardBytes);
    // ...one byte more is no items at all, and so is a text of tabs (each an empty synonym).
    const std::string over = start + line + "x" + end;
    const std::string tabs = HEAD + "lamp" + std::string(MaxItemsClipboardBytes, '\t') + SEP + Repeat("\r\n" + SEP, 6);
    for (const auto reading : {Panel, Dialog}) {
        const TClipboardItems read = ItemsFromClipboardText(atLimit, reading);
        EXPECT_TRUE(read.Ok()) << read.Error;
        ASSERT_EQ(read.Items.size(), 1u);
        EXPECT_EQ(read.Items[0].Description, TStrings{line});
        for (const std::string* text : {&over, &tabs}) {
            const TClipboardItems refused = ItemsFromClipboardText(*text, reading);
            EXPECT_EQ(refused.Error, ClipboardTooLargeMessage);
            EXPECT_TRUE(refused.Items.empty());
        }
    }
}

#include "model/itemsclipboard.h"

#include <gtest/gtest.h>

namespace {
const std::string SEP = "\x01\x02\x04\x05";

TItem Lamp()
{
    TItem lamp;
    lamp.ID = "lamp";
    lamp.Synonyms = {"light", "oil lamp"};
    lamp.Description = {"A brass lamp."};
    return lamp;
}

const std::string kLampText = "KAJ KESTERBRANDOR\r\nlamp\tlight\toil lamp" + SEP + "\r\nA brass lamp.\r\n" + SEP +
                              "\r\n" + SEP + "\r\n" + SEP + "\r\n" + SEP + "\r\n" + SEP + "\r\n" + SEP;
} // namespace

TEST(ItemsClipboard, WritesTheDocumentedBytes)
{
    const TItem lamp = Lamp();
    EXPECT_EQ(ItemsToClipboardText({&lamp}), kLampText);
    EXPECT_EQ(ItemsToClipboardText({}), "KAJ KESTERBRANDOR");

    // Block order Description, Search, Listen, Smell, Touch, Read; every line with CR LF.
    TItem all;
    all.ID = "x";
    all.Description = {"d"};
    all.Listen = {"l"};
    all.Smell = {"s1", "", "s2"};
    all.Touch = {"t"};
    all.Search = {"se"};
    all.Read = {"r"};
    EXPECT_EQ(ItemsToClipboardText({&all}), "KAJ KESTERBRANDOR\r\nx\t" + SEP + "\r\nd\r\n" + SEP + "se\r\n" + SEP +
                                                "l\r\n" + SEP + "s1\r\n\r\ns2\r\n" + SEP + "t\r\n" + SEP + "r\r\n" + SEP);
}

TEST(ItemsClipboard, BothReadingsOfTheExample)
{
    for (TClipboardReading reading : {TClipboardReading::Panel, TClipboardReading::Dialog}) {
        const TClipboardItems got = ItemsFromClipboardText(kLampText, reading);
        ASSERT_TRUE(got.Ok()) << got.Error;
        ASSERT_EQ(got.Items.size(), 1u);
        const TItem& item = got.Items[0];
        EXPECT_EQ(item.ID, "lamp");
        EXPECT_EQ(item.Synonyms, (TStrings{"light", "oil lamp"}));
        EXPECT_EQ(item.Description, (TStrings{"A brass lamp."}));
        // Empty texts: nothing for the panel, one empty line for the dialog.
        const TStrings expectedEmpty = reading == TClipboardReading::Panel ? TStrings{} : TStrings{""};
        for (int k = 1; k < TItem::SenseCount; ++k)
            EXPECT_EQ(item.Sense(k), expectedEmpty) << k;
    }
}

TEST(ItemsClipboard, ItemWithoutSynonymsAndTextWithEmptyLines)
{
    TItem key;
    key.ID = "key";
    key.Smell = {"one", "", "two"};
    TItem second = Lamp();
    const std::string text = ItemsToClipboardText({&key, &second});
    EXPECT_NE(text.find("key\t" + SEP + "\r\n"), std::string::npos);
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");

    const TClipboardItems panel = ItemsFromClipboardText(text, TClipboardReading::Panel);
    ASSERT_TRUE(panel.Ok());
    ASSERT_EQ(panel.Items.size(), 2u);
    EXPECT_TRUE(panel.Items[0].Synonyms.empty());
    EXPECT_EQ(panel.Items[0].Smell, (TStrings{"one", "two"}));
    EXPECT_EQ(panel.Items[1].ID, "lamp");

    const TClipboardItems dialog = ItemsFromClipboardText(text, TClipboardReading::Dialog);
    ASSERT_TRUE(dialog.Ok());
    ASSERT_EQ(dialog.Items.size(), 2u);
    EXPECT_EQ(dialog.Items[0].Synonyms, (TStrings{""}));
    EXPECT_EQ(dialog.Items[0].Smell, (TStrings{"one", "", "two"}));
    EXPECT_EQ(dialog.Items[0].Description, (TStrings{""}));
    EXPECT_EQ(dialog.Items[1].Synonyms, second.Synonyms);

    // Empty synonym pieces between TABs are dropped only by the panel.
    const std::string gaps = "KAJ KESTERBRANDOR\r\nid\ta\t\tb\t" + SEP + "\r\n" +
                             std::string("\r\n") + SEP + "\r\n" + SEP + "\r\n" + SEP + "\r\n" + SEP + "\r\n" + SEP +
                             "\r\n" + SEP;
    EXPECT_EQ(ItemsFromClipboardText(gaps, TClipboardReading::Panel).Items.at(0).Synonyms, (TStrings{"a", "b"}));
    EXPECT_EQ(ItemsFromClipboardText(gaps, TClipboardReading::Dialog).Items.at(0).Synonyms, (TStrings{"a", "", "b", ""}));
}

TEST(ItemsClipboard, HeaderCheck)
{
    for (const std::string& bad : {std::string(), std::string("KAJ KESTERBRANDOR"), std::string("KAJ KESTERBRANDOR\n"),
                                   std::string("kaj kesterbrandor\r\n"), std::string("xKAJ KESTERBRANDOR\r\n"), kLampText.substr(1)}) {
        const TClipboardItems got = ItemsFromClipboardText(bad, TClipboardReading::Panel);
        EXPECT_EQ(got.Error, "Incorrect data in clipboard.") << bad;
        EXPECT_TRUE(got.Items.empty());
    }
    const TClipboardItems headerOnly = ItemsFromClipboardText("KAJ KESTERBRANDOR\r\n", TClipboardReading::Panel);
    EXPECT_TRUE(headerOnly.Ok());
    EXPECT_TRUE(headerOnly.Items.empty());
}

TEST(ItemsClipboard, MalformedTextKeepsCompletedItems)
{
    const TItem lamp = Lamp();
    const std::string two = ItemsToClipboardText({&lamp, &lamp});
    const std::string panelMsg = "Ve schr\xC3\xA1nce se nenach\xC3\xA1zely spr\xC3\xA1vn\xC3\xA9 itemy.";
    const std::string dialogMsg = "Ve schr\xC3\xA1nce se nenach\xC3\xA1zela spr\xC3\xA1vn\xC3\xA1 slov\xC3\xAD\xC4\x8Dka.";

    // Every cut inside the second record keeps exactly the first item.
    const size_t secondStart = ItemsToClipboardText({&lamp}).size();
    for (size_t cut = secondStart + 1; cut < two.size(); ++cut) {
        const TClipboardItems panel = ItemsFromClipboardText(two.substr(0, cut), TClipboardReading::Panel);
        const TClipboardItems dialog = ItemsFromClipboardText(two.substr(0, cut), TClipboardReading::Dialog);
        EXPECT_EQ(panel.Items.size(), 1u) << cut;
        EXPECT_EQ(dialog.Items.size(), 1u) << cut;
        // A cut right after the CR LF that opens the second record leaves nothing more to read.
        if (cut == secondStart + 2) {
            EXPECT_TRUE(panel.Ok());
            EXPECT_TRUE(dialog.Ok());
        } else {
            EXPECT_EQ(panel.Error, panelMsg) << cut;
            EXPECT_EQ(dialog.Error, dialogMsg) << cut;
        }
        EXPECT_EQ(panel.Items[0], lamp);
    }

    // A missing separator, a missing line break, a record without TAB, junk after a record.
    std::string noSep = kLampText;
    noSep.erase(noSep.find(SEP + "\r\nA brass"), 4);
    EXPECT_EQ(ItemsFromClipboardText(noSep, TClipboardReading::Panel).Error, panelMsg);
    EXPECT_EQ(ItemsFromClipboardText("KAJ KESTERBRANDOR\r\nno tab at all", TClipboardReading::Panel).Error, panelMsg);
    const TClipboardItems junk = ItemsFromClipboardText(kLampText + "xy", TClipboardReading::Panel);
    EXPECT_EQ(junk.Items.size(), 1u);
    EXPECT_EQ(junk.Error, panelMsg);
    // A final CR LF after the last record is simply the end.
    EXPECT_TRUE(ItemsFromClipboardText(kLampText + "\r\n", TClipboardReading::Panel).Ok());
}

TEST(ItemsClipboard, DialogReadingRoundTripsItsOwnResult)
{
    // Whatever the dialog reads, writing it back and reading again gives the same items.
    const std::string odd = "KAJ KESTERBRANDOR\r\n" + SEP + "id\t\t" + SEP + "x" + SEP + "\r\n" + //
                            SEP + "a\r\r\n" + SEP +                                   // line starting with SEP, ending in CR
                            "\r\n" + SEP +                                             // empty text
                            "b" + SEP + "c\r\n" + SEP +                                // SEP inside a line
                            "\r\n\r\n" + SEP + "\r\n" + SEP + "\r\n" + SEP;
    const TClipboardItems first = ItemsFromClipboardText(odd, TClipboardReading::Dialog);
    ASSERT_TRUE(first.Ok()) << first.Error;
    ASSERT_EQ(first.Items.size(), 1u);
    EXPECT_EQ(first.Items[0].ID, SEP + "id");
    EXPECT_EQ(first.Items[0].Synonyms, (TStrings{"", SEP + "x"}));
    EXPECT_EQ(first.Items[0].Description, (TStrings{SEP + "a\r"}));
    EXPECT_EQ(first.Items[0].Listen, (TStrings{"b" + SEP + "c"}));
    EXPECT_EQ(first.Items[0].Smell, (TStrings{"", ""}));
    std::vector<const TItem*> ptrs;
    for (const auto& i : first.Items)
        ptrs.push_back(&i);
    const TClipboardItems second = ItemsFromClipboardText(ItemsToClipboardText(ptrs), TClipboardReading::Dialog);
    ASSERT_TRUE(second.Ok());
    EXPECT_EQ(second.Items, first.Items);
}

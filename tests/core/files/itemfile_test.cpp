#include "files/areafile.h"
#include "files/bytestream.h"
#include "files/itemfile.h"
#include "files/itemrecord.h"
#include "files/sentencefile.h"
#include "files/zstream.h"
#include "testutil.h"

#include <gtest/gtest.h>

namespace {
TItem FullItem(const std::string& id)
{
    TItem item;
    item.ID = id;
    item.Synonyms = {id + "-syn", "other"};
    item.Description = {"Desc of " + id, ""};
    item.Listen = {"listen"};
    item.Smell = {"smell", "more"};
    item.Touch = {"touch"};
    item.Search = {"search"};
    item.Read = {"read"};
    return item;
}

// An item file of any version; version 0 records stop after the description.
std::string ItemFile(int version, const std::vector<TItem>& items, const std::string& signature = ItemFileSignature)
{
    TByteWriter w;
    w.WriteString(signature);
    w.WriteInt32(version);
    w.WriteInt32(1);
    w.WriteByte(1);
    w.WriteInt32(static_cast<int32_t>(items.size()));
    for (const auto& item : items) {
        if (version >= 1) {
            WriteItemRecord(w, item);
        } else {
            w.WriteString(item.ID);
            w.WriteStringList(item.Synonyms);
            w.WriteStringList(item.Description);
        }
    }
    return DeflateBytes(w.Bytes());
}

std::string LoadError(const std::string& compressed, TItemList& db)
{
    try {
        LoadItemsFromCompressed(compressed, db);
    } catch (const EKbError& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(ItemFile, RoundTripKeepsAllSevenListsOrderAndSortSettings)
{
    TTempDir dir;
    TItemList db;
    db.AddCopy(FullItem("zed"));
    db.AddCopy(FullItem("alpha"));
    db.AddCopy(TItem{});
    db.SortColumn = 1;
    db.SortAscending = true;
    db.Modified = true;
    const std::string path = dir.File("i.idb");
    EXPECT_TRUE(SaveItems(path, db));
    EXPECT_TRUE(db.Modified); // the caller clears it

    TItemList back;
    back.Modified = true;
    EXPECT_EQ(LoadItems(path, back), 1);
    ASSERT_EQ(back.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back[i], db[i]) << i;
    EXPECT_EQ(back.SortColumn, 1);
    EXPECT_TRUE(back.SortAscending);
    EXPECT_FALSE(back.Modified);
    EXPECT_EQ(back.FileName, path);
}

TEST(ItemFile, VersionZeroHasNoSenseTextsEvenAfterANewerAreaFile)
{
    TTempDir dir;
    // A current area file whose items do carry sense texts is read first.
    TRoomList area(20, 20);
    auto room = std::make_unique<TRoom>();
    room->X = 1;
    room->Y = 1;
    room->Items.push_back(FullItem("lamp"));
    area.Add(std::move(room));
    SaveArea(dir.File("a.arf"), area);
    TRoomList loadedArea(0, 0);
    ASSERT_EQ(LoadArea(dir.File("a.arf"), loadedArea), 15);
    ASSERT_EQ(loadedArea[0].Items[0].Smell, (TStrings{"smell", "more"}));

    TItemList db;
    EXPECT_EQ(LoadItemsFromCompressed(ItemFile(0, {FullItem("a"), FullItem("b")}), db), 0);
    ASSERT_EQ(db.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(db[i].Synonyms, FullItem(db[i].ID).Synonyms);
        EXPECT_EQ(db[i].Description, FullItem(db[i].ID).Description);
        for (int k = 1; k < TItem::SenseCount; ++k)
            EXPECT_TRUE(db[i].Sense(k).empty()) << k;
    }
    EXPECT_EQ(db[1].ID, "b");
    EXPECT_EQ(db.SortColumn, 1);
}

TEST(ItemFile, WrongSignatureAndVersionMessages)
{
    TItemList db;
    db.FileName = "kept.idb";
    EXPECT_EQ(LoadError(ItemFile(2, {FullItem("x")}), db), ItemFileBadVersionMessage);
    EXPECT_EQ(LoadError(ItemFile(-5, {FullItem("x")}), db), ItemFileBadVersionMessage);
    EXPECT_EQ(LoadError(ItemFile(1, {FullItem("x")}, "Kesterbrandor Item DB - Kaj "), db), ItemFileBadFormatMessage);
    EXPECT_EQ(LoadError("", db), ItemFileBadFormatMessage);
    EXPECT_EQ(LoadError("\x78\x9c garbage", db), ItemFileBadFormatMessage);

    // A sentence database offered as an item database.
    TSentenceList sentences;
    sentences.AddCopy(TSentence{"A.", "", 0, ""});
    EXPECT_EQ(LoadError(DeflateBytes(SentencesToInflatedBytes(sentences)), db), ItemFileBadFormatMessage);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_EQ(db.FileName, "kept.idb");
    EXPECT_EQ(db.SortColumn, 0);

    EXPECT_EQ(std::string(ItemFileBadFormatMessage), "Bad File Format");
    EXPECT_EQ(std::string(ItemFileBadVersionMessage), "Incorrect version of file");
}

TEST(ItemFile, MissingFileIsIgnoredAndDamageIsReported)
{
    TTempDir dir;
    TItemList db;
    EXPECT_EQ(LoadItems(dir.File("none.idb"), db), -1);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_EQ(db.FileName, "noname.idb");

    std::vector<TItem> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(FullItem("item" + std::to_string(i * 31337)));
    std::string bad = ItemFile(1, many);
    bad[bad.size() / 3] = static_cast<char>(bad[bad.size() / 3] ^ 0x21);
    WriteFileBytes(dir.File("bad.idb"), bad);
    EXPECT_THROW(LoadItems(dir.File("bad.idb"), db), EKbError);
    EXPECT_LT(db.Count(), 300);
    EXPECT_EQ(db.FileName, "noname.idb");

    const std::string good = ItemFile(1, many);
    TItemList cut;
    EXPECT_THROW(LoadItemsFromCompressed(good.substr(0, good.size() - 40), cut), EKbError);
}

TEST(ItemFile, FailedSaveKeepsThePreviousFile)
{
    TTempDir dir;
    const std::string path = dir.File("i.idb");
    TItemList db;
    db.AddCopy(FullItem("one"));
    SaveItems(path, db);
    const std::string before = ReadFileBytes(path);
    TItem huge = FullItem("huge");
    huge.Read.push_back(std::string(70000, 'r'));
    db.AddCopy(huge);
    try {
        SaveItems(path, db);
        FAIL() << "saved";
    } catch (const EKbError& e) {
        EXPECT_NE(std::string(e.what()).find("huge"), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

// The sentence (.sdb) and item (.idb) database files: what both share runs as typed tests.
#include "../db/dbtest.h"
#include "files/areafile.h"
#include "files/bytestream.h"
#include "files/itemfile.h"
#include "files/itemrecord.h"
#include "files/sentencefile.h"
#include "files/zstream.h"
#include "testutil.h"

#include <gtest/gtest.h>

namespace {
struct SentenceFiles {
    using List = TSentenceList;
    using Element = TSentence;
    static constexpr int Version = SentenceFileVersion;
    static constexpr bool SaveClearsModified = true;
    static inline const std::string Signature = "Kesterbrandor Sentence DB - Kaj";
    static Element Make(int i)
    {
        return {"Sentence number " + std::to_string(i * 7919) + ".", "c" + std::to_string(i % 13),
                i % 2 ? 0x80000000u : (1u << (i % 31)) | (1u << 18), i % 2 ? std::string("a\0b", 3) : ""};
    }
    static std::string& Text(Element& e) { return e.Category; }
    // A file of any version, written field by field; count < 0 gives the real count.
    static std::string File(int version, const std::vector<Element>& elements, int32_t count = -1,
                            const std::string& signature = Signature)
    {
        TByteWriter w;
        w.WriteString(signature);
        w.WriteInt32(version);
        if (version >= 2) {
            w.WriteInt32(0);
            w.WriteByte(0);
        }
        w.WriteInt32(count >= 0 ? count : static_cast<int32_t>(elements.size()));
        for (const auto& s : elements) {
            w.WriteString(s.Sentence);
            w.WriteString(s.Category);
            w.WriteInt32(static_cast<int32_t>(s.AreaTypes));
            w.WriteString(s.Desc);
        }
        return DeflateBytes(w.Bytes());
    }
    static bool Save(const std::string& f, List& db) { return SaveSentences(f, db); }
    static int Load(const std::string& f, List& db) { return LoadSentences(f, db); }
    static int LoadCompressed(const std::string& c, List& db, const TLoadLimits& l = {}) { return LoadSentencesFromCompressed(c, db, l); }
};

struct ItemFiles {
    using List = TItemList;
    using Element = TItem;
    static constexpr int Version = ItemFileVersion;
    static constexpr bool SaveClearsModified = false; // the caller clears it
    static inline const std::string Signature = "Kesterbrandor Item DB - Kaj";
    static Element Make(int i) { return FullItem("item" + std::to_string(i * 31337)); }
    static std::string& Text(Element& e) { return e.Read.back(); }
    // Version 0 records stop after the description.
    static std::string File(int version, const std::vector<Element>& elements, int32_t count = -1,
                            const std::string& signature = Signature)
    {
        TByteWriter w;
        w.WriteString(signature);
        w.WriteInt32(version);
        w.WriteInt32(1);
        w.WriteByte(1);
        w.WriteInt32(count >= 0 ? count : static_cast<int32_t>(elements.size()));
        for (const auto& item : elements) {
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
    static bool Save(const std::string& f, List& db) { return SaveItems(f, db); }
    static int Load(const std::string& f, List& db) { return LoadItems(f, db); }
    static int LoadCompressed(const std::string& c, List& db, const TLoadLimits& l = {}) { return LoadItemsFromCompressed(c, db, l); }
};

// Loads into a database with a file name and sort column of its own; returns the error raised.
template <class Kind>
std::string LoadError(const std::string& compressed, typename Kind::List& db, const TLoadLimits& limits = {})
{
    db.FileName = "kept";
    db.SortColumn = 3;
    try {
        Kind::LoadCompressed(compressed, db, limits);
    } catch (const EKbError& e) {
        return e.what();
    }
    return "";
}

template <class Kind>
class DatabaseFile : public ::testing::Test {};
using Kinds = ::testing::Types<SentenceFiles, ItemFiles>;
TYPED_TEST_SUITE(DatabaseFile, Kinds);
} // namespace

TYPED_TEST(DatabaseFile, RoundTripAppendsEveryFieldInOrderWithTheSortSettings)
{
    using Kind = TypeParam;
    TTempDir dir;
    typename Kind::List db;
    db.AddCopy(Kind::Make(1));
    db.AddCopy(Kind::Make(2));
    db.AddCopy(typename Kind::Element{});
    Kind::Text(db[0]) = "\xC8" "ern\xE1 noc!";
    Kind::Text(db[1]) = std::string(65535, 'x');
    db.SortColumn = 2;
    db.SortAscending = true;
    db.Modified = true;
    const std::string path = dir.File("db");
    EXPECT_TRUE(Kind::Save(path, db));
    EXPECT_NE(db.Modified, Kind::SaveClearsModified);
    // The stream starts with the length-prefixed signature.
    const std::string& sig = Kind::Signature;
    EXPECT_EQ(InflateBytes(ReadFileBytes(path)).Data.substr(0, sig.size() + 4),
              std::string(1, static_cast<char>(sig.size())) + std::string(3, '\0') + sig);

    typename Kind::List back;
    back.AddCopy(Kind::Make(0));
    back.Modified = true;
    EXPECT_EQ(Kind::Load(path, back), Kind::Version);
    ASSERT_EQ(back.Count(), 4);
    EXPECT_EQ(back[0], Kind::Make(0));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back[i + 1], db[i]) << i;
    EXPECT_EQ(back.SortColumn, 2);
    EXPECT_TRUE(back.SortAscending);
    EXPECT_FALSE(back.Modified);
    EXPECT_EQ(back.FileName, path);

    // A missing file, or a folder, is ignored silently.
    back.Modified = true;
    EXPECT_EQ(Kind::Load(dir.File("absent"), back), -1);
    EXPECT_EQ(Kind::Load(dir.Path().string(), back), -1);
    EXPECT_EQ(back.Count(), 4);
    EXPECT_EQ(back.FileName, path);
    EXPECT_TRUE(back.Modified);
}

TYPED_TEST(DatabaseFile, DamagedDataRaisesKeepingWhatWasReadBefore)
{
    using Kind = TypeParam;
    std::vector<typename Kind::Element> many;
    for (int i = 0; i < 400; ++i)
        many.push_back(Kind::Make(i));
    const std::string good = Kind::File(Kind::Version, many);

    // Truncated: reported, not loaded with blank entries; the elements before the cut stay.
    typename Kind::List cut;
    EXPECT_EQ(LoadError<Kind>(good.substr(0, good.size() / 2), cut), "The file is damaged: it ends before all of its data.");
    EXPECT_GT(cut.Count(), 0);
    EXPECT_LT(cut.Count(), 400);
    for (int i = 0; i < cut.Count(); ++i)
        EXPECT_EQ(cut[i], Kind::Make(i));

    // A corrupted byte: an error, never a silent success, and the file name stays.
    std::string bad = good;
    bad[bad.size() / 2] ^= 0x55;
    TTempDir dir;
    WriteFileBytes(dir.File("bad"), bad);
    typename Kind::List db;
    const std::string name = db.FileName;
    EXPECT_THROW(Kind::Load(dir.File("bad"), db), EKbError);
    EXPECT_EQ(db.FileName, name);

    // Cut inside the checksum: all elements are there, but the file cannot be trusted.
    typename Kind::List unchecked;
    EXPECT_EQ(LoadError<Kind>(good.substr(0, good.size() - 2), unchecked), "The file is damaged: it ends before all of its data.");

    // A count far beyond the data is refused without allocating for it, before the sort fields are taken.
    typename Kind::List huge;
    EXPECT_NE(LoadError<Kind>(Kind::File(Kind::Version, {}, 0x7FFFFFFF), huge), "");
    EXPECT_EQ(huge.Count(), 0);
    EXPECT_EQ(huge.SortColumn, 3);
}

TYPED_TEST(DatabaseFile, EmptyEntriesBeyondTheLimitAreRefused)
{
    // A few hundred bytes that inflate to many entries, each costing more in memory than in the file.
    using Kind = TypeParam;
    const std::string bomb = Kind::File(Kind::Version, std::vector<typename Kind::Element>(20000));
    ASSERT_LT(bomb.size(), 1000u);
    typename Kind::List db;
    const std::string error = LoadError<Kind>(bomb, db, {4096, 1 << 20});
    EXPECT_NE(error.find("1 MiB"), std::string::npos) << error;
    EXPECT_EQ(db.Count(), 0);
    typename Kind::List unlimited;
    EXPECT_EQ(LoadError<Kind>(bomb, unlimited), "");
}

TYPED_TEST(DatabaseFile, FailedSaveKeepsThePreviousFileAndNamesTheEntry)
{
    using Kind = TypeParam;
    TTempDir dir;
    const std::string path = dir.File("db");
    typename Kind::List db;
    db.AddCopy(Kind::Make(1));
    Kind::Save(path, db);
    const std::string before = ReadFileBytes(path);

    Kind::Text(*db.AddCopy(Kind::Make(2))) = std::string(65536, 'y');
    db.Modified = true;
    try {
        Kind::Save(path, db);
        FAIL() << "saved";
    } catch (const EKbError& e) {
        EXPECT_NE(std::string(e.what()).find(" 2"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(db.Modified);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_THROW(Kind::Save(dir.File("no/such/folder/db"), db), EKbError);
}

TEST(SentenceFile, OlderVersionsLeaveTheSortFieldsAlone)
{
    for (int version : {0, 1}) {
        TSentenceList db;
        db.SortColumn = 3;
        db.SortAscending = true;
        EXPECT_EQ(LoadSentencesFromCompressed(SentenceFiles::File(version, {{"A.", "k", 8, "x"}}), db), version);
        ASSERT_EQ(db.Count(), 1);
        EXPECT_EQ(db[0], (TSentence{"A.", "k", 8, "x"}));
        EXPECT_EQ(db.SortColumn, 3);
        EXPECT_TRUE(db.SortAscending);
    }
}

TEST(SentenceFile, WrongFilesAreRejectedBeforeAnythingIsAdded)
{
    const std::vector<TSentence> one{{"A.", "", 0, ""}};
    const std::string wrong[] = {SentenceFiles::File(3, one), SentenceFiles::File(-1, one),
                                 SentenceFiles::File(2, one, -1, "Kesterbrandor Sentence DB - Kaz"),
                                 SentenceFiles::File(2, one, -1, "Kesterbrandor Item DB - Kaj"), DeflateBytes(""),
                                 "not compressed at all", "", DeflateBytes(AreaToInflatedBytes(TRoomList(10, 10)))};
    for (const std::string& file : wrong) {
        TSentenceList db;
        db.Modified = true;
        EXPECT_EQ(LoadError<SentenceFiles>(file, db), BadFormatMessage) << file.size();
        EXPECT_EQ(db.Count(), 0);
        EXPECT_EQ(db.SortColumn, 3);
        EXPECT_TRUE(db.Modified);
    }
}

TEST(ItemFile, VersionZeroHasNoSenseTextsEvenAfterANewerAreaFile)
{
    // A current area file whose items do carry sense texts is read first.
    TTempDir dir;
    TRoomList area(20, 20);
    TRoom* room = area.Add(std::make_unique<TRoom>());
    room->X = room->Y = 1;
    room->Items.push_back(FullItem("lamp"));
    SaveArea(dir.File("a.arf"), area);
    TRoomList loadedArea(0, 0);
    ASSERT_EQ(LoadArea(dir.File("a.arf"), loadedArea), 15);
    ASSERT_EQ(loadedArea[0].Items[0], FullItem("lamp"));

    TItemList db;
    EXPECT_EQ(LoadItemsFromCompressed(ItemFiles::File(0, {FullItem("a"), FullItem("b")}), db), 0);
    ASSERT_EQ(db.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        TItem expected = FullItem(i == 0 ? "a" : "b");
        for (int k = 1; k < TItem::SenseCount; ++k)
            expected.Sense(k).clear();
        EXPECT_EQ(db[i], expected);
    }
    EXPECT_EQ(db.SortColumn, 1);
}

TEST(ItemFile, WrongSignatureAndVersionMessages)
{
    TSentenceList sentences; // a sentence database offered as an item database
    sentences.AddCopy(TSentence{"A.", "", 0, ""});
    const std::string version = "Incorrect version of file", format = "Bad File Format";
    const std::pair<std::string, std::string> cases[] = {
        {ItemFiles::File(2, {FullItem("x")}), version},
        {ItemFiles::File(-5, {FullItem("x")}), version},
        {ItemFiles::File(1, {FullItem("x")}, -1, "Kesterbrandor Item DB - Kaj "), format},
        {"", format},
        {"\x78\x9c garbage", format},
        {DeflateBytes(SentencesToInflatedBytes(sentences)), format},
    };
    for (const auto& [file, message] : cases) {
        TItemList db;
        EXPECT_EQ(LoadError<ItemFiles>(file, db), message) << file.size();
        EXPECT_EQ(db.Count(), 0);
        EXPECT_EQ(db.SortColumn, 3);
    }
}

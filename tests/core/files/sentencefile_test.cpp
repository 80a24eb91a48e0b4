#include "files/areafile.h"
#include "files/bytestream.h"
#include "files/sentencefile.h"
#include "files/zstream.h"
#include "testutil.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
TSentence MakeSentence(const std::string& text, const std::string& category, TAreaTypes types, const std::string& desc)
{
    TSentence s;
    s.Sentence = text;
    s.Category = category;
    s.AreaTypes = types;
    s.Desc = desc;
    return s;
}

// A sentence file of any version, written field by field.
std::string OldSentenceFile(int version, const std::vector<TSentence>& sentences, int32_t sortColumn = 1,
                            bool ascending = true, const std::string& signature = SentenceFileSignature)
{
    TByteWriter w;
    w.WriteString(signature);
    w.WriteInt32(version);
    if (version >= 2) {
        w.WriteInt32(sortColumn);
        w.WriteByte(ascending ? 1 : 0);
    }
    w.WriteInt32(static_cast<int32_t>(sentences.size()));
    for (const auto& s : sentences) {
        w.WriteString(s.Sentence);
        w.WriteString(s.Category);
        w.WriteInt32(static_cast<int32_t>(s.AreaTypes));
        w.WriteString(s.Desc);
    }
    return DeflateBytes(w.Bytes());
}

void ExpectBadFormat(const std::string& compressed)
{
    TSentenceList db;
    db.FileName = "kept.sdb";
    db.Modified = true;
    try {
        LoadSentencesFromCompressed(compressed, db);
        FAIL() << "accepted";
    } catch (const EKbError& e) {
        EXPECT_STREQ(e.what(), BadFormatMessage);
    }
    EXPECT_EQ(db.Count(), 0);
    EXPECT_EQ(db.FileName, "kept.sdb");
    EXPECT_TRUE(db.Modified);
}
} // namespace

TEST(SentenceFile, RoundTripKeepsEveryFieldOrderAndSortSettings)
{
    TTempDir dir;
    TSentenceList db;
    db.AddCopy(MakeSentence("Zebra runs.", "Animals", (1u << 1) | (1u << 18), "first"));
    db.AddCopy(MakeSentence("\xC8" "ern\xE1 noc!", "", 0, ""));
    db.AddCopy(MakeSentence(std::string(65535, 'x'), "long", 0x80000000u, std::string("a\0b", 3)));
    db.SortColumn = 2;
    db.SortAscending = true;
    db.Modified = true;
    const std::string path = dir.File("s.sdb");
    EXPECT_TRUE(SaveSentences(path, db));
    EXPECT_FALSE(db.Modified);

    TSentenceList back;
    back.Modified = true;
    EXPECT_EQ(LoadSentences(path, back), 2);
    ASSERT_EQ(back.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back[i], db[i]) << i;
    EXPECT_EQ(back.SortColumn, 2);
    EXPECT_TRUE(back.SortAscending);
    EXPECT_FALSE(back.Modified);
    EXPECT_EQ(back.FileName, path);

    // The stream starts with the length-prefixed signature.
    const TInflateResult raw = InflateBytes(ReadFileBytes(path));
    EXPECT_EQ(raw.Data.substr(0, 4), std::string("\x1F\0\0\0", 4));
    EXPECT_EQ(raw.Data.substr(4, 31), SentenceFileSignature);
}

TEST(SentenceFile, LoadingAppendsToWhatIsThere)
{
    TSentenceList db;
    db.AddCopy(MakeSentence("Old.", "", 0, ""));
    LoadSentencesFromCompressed(OldSentenceFile(2, {MakeSentence("New.", "c", 4, "d")}), db);
    ASSERT_EQ(db.Count(), 2);
    EXPECT_EQ(db[0].Sentence, "Old.");
    EXPECT_EQ(db[1].Sentence, "New.");
}

TEST(SentenceFile, OlderVersionsLeaveTheSortFieldsAlone)
{
    for (int version : {0, 1}) {
        TSentenceList db;
        db.SortColumn = 3;
        db.SortAscending = true;
        EXPECT_EQ(LoadSentencesFromCompressed(OldSentenceFile(version, {MakeSentence("A.", "k", 8, "x")}, 0, false), db),
                  version);
        ASSERT_EQ(db.Count(), 1);
        EXPECT_EQ(db[0], MakeSentence("A.", "k", 8, "x"));
        EXPECT_EQ(db.SortColumn, 3);
        EXPECT_TRUE(db.SortAscending);
    }
}

TEST(SentenceFile, WrongFilesAreRejectedBeforeAnythingIsAdded)
{
    const std::vector<TSentence> one{MakeSentence("A.", "", 0, "")};
    ExpectBadFormat(OldSentenceFile(3, one));
    ExpectBadFormat(OldSentenceFile(-1, one));
    ExpectBadFormat(OldSentenceFile(2, one, 0, false, "Kesterbrandor Sentence DB - Kaz"));
    ExpectBadFormat(OldSentenceFile(2, one, 0, false, "Kesterbrandor Item DB - Kaj"));
    ExpectBadFormat(DeflateBytes(""));
    ExpectBadFormat("not compressed at all");
    ExpectBadFormat("");

    // An area file offered as a sentence database.
    TRoomList area(10, 10);
    ExpectBadFormat(DeflateBytes(AreaToInflatedBytes(area)));
}

TEST(SentenceFile, MissingFileIsIgnoredSilently)
{
    TTempDir dir;
    TSentenceList db;
    db.AddCopy(MakeSentence("Keep.", "", 0, ""));
    db.Modified = true;
    EXPECT_EQ(LoadSentences(dir.File("absent.sdb"), db), -1);
    EXPECT_EQ(LoadSentences(dir.Path().string(), db), -1); // a folder is no file either
    EXPECT_EQ(db.Count(), 1);
    EXPECT_TRUE(db.Modified);
    EXPECT_EQ(db.FileName, "noname.sdb");
}

TEST(SentenceFile, DamagedDataRaisesAndKeepsTheFileName)
{
    std::vector<TSentence> many;
    for (int i = 0; i < 400; ++i)
        many.push_back(MakeSentence("Sentence number " + std::to_string(i * 7919) + ".", "c" + std::to_string(i % 13), 0, ""));
    const std::string good = OldSentenceFile(2, many);

    // Truncated inside the compressed data: reported, not loaded with blank entries; the
    // sentences before the cut stay, as after any damage.
    {
        TSentenceList db;
        try {
            LoadSentencesFromCompressed(good.substr(0, good.size() / 2), db);
            FAIL() << "accepted";
        } catch (const EKbError& e) {
            EXPECT_STREQ(e.what(), "The file is damaged: it ends before all of its data.");
        }
        EXPECT_GT(db.Count(), 0);
        EXPECT_LT(db.Count(), 400);
        for (const auto& s : db.Elements())
            EXPECT_FALSE(s->Sentence.empty());
    }
    // A corrupted byte: an error, never a silent success; sentences before the damage may stay.
    {
        std::string bad = good;
        bad[bad.size() / 2] = static_cast<char>(bad[bad.size() / 2] ^ 0x55);
        TTempDir dir;
        WriteFileBytes(dir.File("bad.sdb"), bad);
        TSentenceList db;
        EXPECT_THROW(LoadSentences(dir.File("bad.sdb"), db), EKbError);
        EXPECT_LT(db.Count(), 400);
        EXPECT_EQ(db.FileName, "noname.sdb");
    }
    // A count far beyond the data is refused without allocating for it.
    {
        TByteWriter w;
        w.WriteString(SentenceFileSignature);
        w.WriteInt32(2);
        w.WriteInt32(0);
        w.WriteByte(0);
        w.WriteInt32(0x7FFFFFFF);
        TSentenceList db;
        EXPECT_THROW(LoadSentencesFromCompressed(DeflateBytes(w.Bytes()), db), EKbError);
        EXPECT_EQ(db.Count(), 0);
        EXPECT_EQ(db.SortColumn, -1);
    }
}

TEST(SentenceFile, FailedSaveKeepsThePreviousFile)
{
    TTempDir dir;
    const std::string path = dir.File("s.sdb");
    TSentenceList db;
    db.AddCopy(MakeSentence("First.", "", 0, ""));
    SaveSentences(path, db);
    const std::string before = ReadFileBytes(path);

    db.AddCopy(MakeSentence(std::string(65536, 'y'), "", 0, ""));
    db.Modified = true;
    EXPECT_THROW(SaveSentences(path, db), EKbError);
    EXPECT_TRUE(db.Modified);
    EXPECT_EQ(ReadFileBytes(path), before);

    // An unwritable folder: the error reaches the caller, the old file is untouched.
    db.Destroy({&db[1]});
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) { // root writes anyway
        EXPECT_THROW(SaveSentences(path, db), EKbError);
        EXPECT_EQ(ReadFileBytes(path), before);
    }
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_THROW(SaveSentences(dir.File("no/such/folder/s.sdb"), db), EKbError);

    // The rename over the target fails (a non-empty folder of that name): nothing is lost.
    std::filesystem::create_directories(dir.File("taken.sdb"));
    WriteFileBytes(dir.File("taken.sdb/inside"), "x");
    EXPECT_THROW(SaveSentences(dir.File("taken.sdb"), db), EKbError);
    EXPECT_EQ(ReadFileBytes(dir.File("taken.sdb/inside")), "x");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2); // no temporary left
}

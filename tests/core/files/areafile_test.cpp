#include "files/areafile.h"
#include "files/bytestream.h"
#include "files/zstream.h"
#include "kberror.h"
#include "model/mapedit.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

namespace {
TItem FullItem(const std::string& id)
{
    return {id, {id + "-syn1", id + "-syn2"}, {"desc " + id, "line 2"}, {"listen"}, {"smell"}, {"touch"}, {"search"}, {"read"}};
}

TRoom FullRoom(int number, int x, int y)
{
    TRoom r;
    r.Number = number;
    r.X = x;
    r.Y = y;
    for (int d = 0; d < DirectionCount; ++d)
        r.CompassLinks[d] = {x + d, y + 2 * d};
    r.AreaTypes = (1u << 3) | (1u << 18);
    r.FileName = "room" + std::to_string(number);
    r.Short = "Short \xE8\xE1st";
    r.DayLight = -9999;
    r.NightLight = 20;
    r.AmbientLight = -100;
    r.Descriptions = {{"Long", {"one", "", "three"}}, {"Night Long", {"dark"}}};
    r.Items = {FullItem("stone"), FullItem("moss")};
    r.Exits = {{ekVisibleEnter, "hole", 3}, {ekHiddenExit, "crack", -1}};
    r.Script = {"// own", "  $_SHORT_$"};
    r.ScriptEnabled = true;
    return r;
}

std::unique_ptr<TRoomList> FullArea()
{
    auto area = std::make_unique<TRoomList>(21, 9);
    area->FileNameFormat = fnfAscending;
    area->FilePrefix = "pre";
    area->FileMiddle = "-";
    area->FilePostfix = "post";
    area->LastNumber = 40;
    area->FileDigits = 3;
    area->FileHeader = {"// header", ""};
    area->ScriptTemplate = {"$_SHORT_$"};
    area->WrapFirst = 33;
    area->WrapOther = 66;
    area->EditorHeight = 300;
    for (size_t i = 0; i < area->Colors.size(); ++i)
        area->Colors[i] = static_cast<int32_t>(0x010203 * (i + 1));
    area->Add(std::make_unique<TRoom>(FullRoom(7, 3, 1)));
    area->Add(std::make_unique<TRoom>(FullRoom(2, 1, 1)));
    area->Add(std::make_unique<TRoom>(FullRoom(40, 21, 9)));
    for (int i = 0; i < 12; ++i) {
        auto t = std::make_unique<TRoom>(FullRoom(0, 0, 0));
        t->Short = "template " + std::to_string(i);
        area->DefaultRooms.Add(std::move(t));
    }
    return area;
}

void ExpectSameArea(const TRoomList& a, const TRoomList& b)
{
    TAreaFields fa = a, fb = b;
    fa.Modified = fb.Modified = false;
    fa.FileName = fb.FileName = "";
    EXPECT_TRUE(fa == fb);
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i)
        EXPECT_TRUE(a[i] == b[i]) << "room " << i;
    EXPECT_TRUE(a.DefaultRooms == b.DefaultRooms);
}

// Writes an area file of an older version field by field, as the format tables say.
std::string OldVersionFile(int version, const TRoomList& area, int templates = 1)
{
    TByteWriter w;
    w.WriteString(AreaFileSignature);
    w.WriteInt32(version);
    w.WriteInt32(area.Width);
    w.WriteInt32(area.Height);
    if (version >= 3) {
        w.WriteByte(area.FileNameFormat);
        w.WriteString(area.FilePrefix);
        w.WriteString(area.FileMiddle);
        w.WriteString(area.FilePostfix);
        w.WriteInt32(area.LastNumber);
    }
    if (version >= 6)
        w.WriteByte(area.FileDigits);
    if (version >= 8)
        w.WriteStringList(area.FileHeader);
    if (version >= 10)
        w.WriteStringList(area.ScriptTemplate);
    if (version >= 12) {
        w.WriteInt32(area.WrapFirst);
        w.WriteInt32(area.WrapOther);
    }
    if (version >= 14)
        w.WriteInt32(area.EditorHeight);
    auto room = [&](const TRoom& r) {
        w.WriteInt32(r.X);
        w.WriteInt32(r.Y);
        for (auto p : r.CompassLinks) {
            w.WriteInt32(p.X);
            w.WriteInt32(p.Y);
        }
        if (version >= 2) {
            w.WriteInt32(static_cast<int32_t>(r.AreaTypes));
            w.WriteString(r.FileName);
            w.WriteString(r.Short);
            w.WriteInt32(static_cast<int32_t>(r.Items.size()));
            for (const auto& it : r.Items) {
                w.WriteString(it.ID);
                w.WriteStringList(it.Synonyms);
                w.WriteStringList(it.Description);
                if (version >= 11)
                    for (int s = 1; s < TItem::SenseCount; ++s)
                        w.WriteStringList(it.Sense(s));
            }
            w.WriteInt32(static_cast<int32_t>(r.Descriptions.size()));
            for (const auto& d : r.Descriptions) {
                w.WriteString(d.Name);
                w.WriteStringList(d.Text);
            }
        }
        if (version >= 3)
            w.WriteInt32(r.Number);
        if (version >= 4) {
            w.WriteInt32(3);
            w.WriteInt32(r.DayLight);
            w.WriteInt32(r.NightLight);
            w.WriteInt32(r.AmbientLight);
        }
        if (version >= 7) {
            w.WriteInt32(static_cast<int32_t>(r.Exits.size()));
            for (const auto& e : r.Exits) {
                w.WriteByte(e.Kind);
                w.WriteString(e.ID);
                w.WriteInt32(e.Target);
            }
        }
        if (version >= 13) {
            w.WriteStringList(r.Script);
            w.WriteByte(r.ScriptEnabled);
        }
    };
    w.WriteInt32(area.Count());
    for (int i = 0; i < area.Count(); ++i)
        room(area[i]);
    templates = std::min(templates, area.DefaultRooms.Count());
    if (version >= 15) {
        w.WriteInt32(templates);
        for (int i = 0; i < templates; ++i)
            room(area.DefaultRooms[i]);
    } else if (version >= 5) {
        room(templates > 0 ? area.DefaultRooms[0] : TRoom{});
    }
    if (version >= 9)
        for (int32_t c : area.Colors)
            w.WriteInt32(c);
    return DeflateBytes(w.Bytes());
}
} // namespace

TEST(AreaFile, RoundTripKeepsEveryField)
{
    TTempDir dir;
    auto area = FullArea();
    area->Modified = true;
    const std::string path = dir.File("full.arf");
    ASSERT_TRUE(SaveArea(path, *area));
    EXPECT_TRUE(area->Modified); // the caller clears it

    TRoomList loaded(1, 1);
    EXPECT_EQ(LoadArea(path, loaded), 15);
    EXPECT_FALSE(loaded.Modified);
    EXPECT_EQ(loaded.FileName, path);
    ExpectSameArea(*area, loaded);
    EXPECT_EQ(loaded.DefaultRooms.Count(), 12); // more than ten stored: all kept

    // Saving the loaded area again gives the same bytes.
    EXPECT_EQ(AreaToInflatedBytes(*area), AreaToInflatedBytes(loaded));
}

TEST(AreaFile, InflatedContentStartsWithSignature)
{
    TRoomList area(15, 15);
    const std::string raw = AreaToInflatedBytes(area);
    ASSERT_GE(raw.size(), 27u);
    EXPECT_EQ(raw.substr(0, 4), std::string("\x13\x00\x00\x00", 4));
    EXPECT_EQ(raw.substr(4, 19), "Kesterbrandor - Kaj");
    EXPECT_EQ(raw.substr(23, 4), std::string("\x0F\x00\x00\x00", 4));

    TTempDir dir;
    SaveArea(dir.File("a.arf"), area);
    const std::string file = ReadFileBytes(dir.File("a.arf"));
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(file[0]), 0x78); // zlib header, 32K window
    EXPECT_EQ(InflateBytes(file).Data, raw);
}

TEST(AreaFile, TemplateRoomsArePaddedToTen)
{
    auto area = FullArea();
    TRoomList three(1, 1);
    LoadAreaFromCompressed(OldVersionFile(15, *area, 3), three);
    ASSERT_EQ(three.DefaultRooms.Count(), 10);
    EXPECT_EQ(three.DefaultRooms[2].Short, "template 2");
    EXPECT_TRUE(three.DefaultRooms[3] == TRoom{});
}

TEST(AreaFile, VersionBoundariesReadOnlyTheFieldsTheyHave)
{
    const auto area = FullArea();
    for (int version : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}) {
        SCOPED_TRACE("version " + std::to_string(version));
        // The target holds other values beforehand, which absent area fields must keep.
        TRoomList target(1, 1);
        target.WrapFirst = 11;
        target.WrapOther = 12;
        target.EditorHeight = 13;
        target.FileDigits = 9;
        target.FileHeader = {"old header"};
        target.ScriptTemplate = {"old template"};
        target.Colors[5] = 77;
        target.FilePrefix = "oldprefix";
        target.LastNumber = 0;
        ASSERT_EQ(LoadAreaFromCompressed(OldVersionFile(version, *area), target), version);

        EXPECT_EQ(target.Width, 21);
        EXPECT_EQ(target.FilePrefix, version >= 3 ? "pre" : "oldprefix");
        EXPECT_EQ(target.FileDigits, version >= 6 ? 3 : 9);
        EXPECT_EQ(target.FileHeader, version >= 8 ? area->FileHeader : TStrings{"old header"});
        EXPECT_EQ(target.Colors[5], version >= 9 ? area->Colors[5] : 77);
        EXPECT_EQ(target.ScriptTemplate, version >= 10 ? area->ScriptTemplate : TStrings{"old template"});
        EXPECT_EQ(target.WrapFirst, version >= 12 ? 33 : 11);
        EXPECT_EQ(target.EditorHeight, version >= 14 ? 300 : 13);

        ASSERT_EQ(target.Count(), 3);
        const TRoom& r = *target.RoomAt(3, 1);
        EXPECT_EQ(r.Number, version >= 3 ? 7 : 2); // numbered in file order below version 3
        EXPECT_EQ(r.Short, area->RoomAt(3, 1)->Short);
        ASSERT_EQ(r.Items.size(), 2u);
        EXPECT_EQ(r.Items[0].Description, area->RoomAt(3, 1)->Items[0].Description);
        EXPECT_EQ(r.Items[0].Touch, version >= 11 ? TStrings{"touch"} : TStrings{});
        EXPECT_EQ(r.DayLight, version >= 4 ? -9999 : 0);
        EXPECT_EQ(r.Exits.size(), version >= 7 ? 2u : 0u);
        EXPECT_EQ(r.ScriptEnabled, version >= 13);
        EXPECT_EQ(r.Script.size(), version >= 13 ? 2u : 0u);
        EXPECT_EQ(r.CompassLinks[dirNE], (TGridPoint{3 + 7, 1 + 14}));

        ASSERT_EQ(target.DefaultRooms.Count(), 10);
        EXPECT_EQ(target.DefaultRooms[0].Short, version >= 5 ? "template 0" : "");
    }
}

TEST(AreaFile, OldestVersionsNumberRoomsInFileOrder)
{
    TRoomList area(5, 5);
    for (int x : {1, 3, 5}) {
        auto r = std::make_unique<TRoom>();
        r->X = x;
        r->Y = 1;
        area.Add(std::move(r));
    }
    for (int version : {0, 1, 2}) {
        TRoomList loaded(1, 1);
        LoadAreaFromCompressed(OldVersionFile(version, area), loaded);
        ASSERT_EQ(loaded.Count(), 3);
        EXPECT_EQ(loaded.RoomAt(1, 1)->Number, 1);
        EXPECT_EQ(loaded.RoomAt(5, 1)->Number, 3);
        EXPECT_EQ(loaded.LastNumber, 3);
    }
    // Later versions number unnumbered rooms on from the stored last number.
    area.LastNumber = 10;
    area.RoomAt(3, 1)->Number = 4;
    TRoomList loaded(1, 1);
    LoadAreaFromCompressed(OldVersionFile(15, area), loaded);
    EXPECT_EQ(loaded.RoomAt(1, 1)->Number, 11);
    EXPECT_EQ(loaded.RoomAt(3, 1)->Number, 4);
    EXPECT_EQ(loaded.RoomAt(5, 1)->Number, 12);
    EXPECT_EQ(loaded.LastNumber, 12);
}

TEST(AreaFile, DescriptionsWithoutLinesAreDropped)
{
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    area[0].Descriptions = {{"Long", {}}, {"Night Long", {"kept"}}};
    TRoomList loaded(1, 1);
    LoadAreaFromCompressed(DeflateBytes(AreaToInflatedBytes(area)), loaded);
    ASSERT_EQ(loaded[0].Descriptions.size(), 1u);
    EXPECT_EQ(loaded[0].Descriptions[0].Name, "Night Long");
}

TEST(AreaFile, WrongSignatureOrVersionIsRejected)
{
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    std::string raw = AreaToInflatedBytes(area);

    auto expectRejected = [](const std::string& compressed) {
        TRoomList target(1, 1);
        target.FileName = "before.arf";
        target.Modified = true;
        try {
            LoadAreaFromCompressed(compressed, target);
            ADD_FAILURE() << "accepted";
        } catch (const EKbError& e) {
            EXPECT_STREQ(e.what(), "\xC5\xA0patn\xC3\xBD form\xC3\xA1t souboru");
        }
        EXPECT_EQ(target.Count(), 0);
        EXPECT_EQ(target.FileName, "before.arf");
        EXPECT_TRUE(target.Modified);
    };
    std::string sig = raw;
    sig[4 + 18] = 'k'; // "... Kak"
    expectRejected(DeflateBytes(sig));
    std::string v16 = raw;
    v16[23] = 16;
    expectRejected(DeflateBytes(v16));
    expectRejected("not a zlib stream at all");
    expectRejected("");
}

TEST(AreaFile, LongestStringSurvivesAndLongerIsRefusedBeforeWriting)
{
    TTempDir dir;
    const std::string path = dir.File("long.arf");
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    area[0].Short = std::string(65535, 'x');
    SaveArea(path, area);
    TRoomList loaded(1, 1);
    LoadArea(path, loaded);
    EXPECT_EQ(loaded[0].Short.size(), 65535u);

    const std::string before = ReadFileBytes(path);
    area[0].Descriptions.push_back({"Long", {"a", std::string(70000, 'y')}});
    try {
        SaveArea(path, area);
        ADD_FAILURE() << "saved";
    } catch (const EKbError& e) {
        const std::string msg = e.what();
        EXPECT_NE(msg.find("room 1"), std::string::npos) << msg;
        EXPECT_NE(msg.find("Long"), std::string::npos) << msg;
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1); // no temp left
}

TEST(AreaFile, FailedSaveKeepsThePreviousFile)
{
    TTempDir dir;
    const std::string path = dir.File("keep.arf");
    TRoomList area(3, 3);
    SaveArea(path, area);
    const std::string before = ReadFileBytes(path);
    // The target's folder does not exist: nothing can be written.
    EXPECT_THROW(SaveArea(dir.File("missing/x.arf"), area), EKbError);
    // The target is a directory: the rename fails and the temporary file goes away.
    std::filesystem::create_directory(dir.File("adir"));
    EXPECT_THROW(SaveArea(dir.File("adir"), area), EKbError);
    EXPECT_EQ(ReadFileBytes(path), before);
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Path()))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(AreaFile, MissingFileRaisesOpenError)
{
    TRoomList area(1, 1);
    EXPECT_THROW(LoadArea("/nonexistent/dir/none.arf", area), EKbError);
}

TEST(AreaFile, DamagedCountsRaiseAReadError)
{
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    area[0].Items.push_back(FullItem("x"));
    const std::string raw = AreaToInflatedBytes(area);
    // The room count stands where an empty area has its room count, before the template
    // count and the colours; claim two billion rooms there.
    const std::string emptyRaw = AreaToInflatedBytes(TRoomList(3, 3));
    const size_t roomCountAt = emptyRaw.size() - 4 - 4 - 19 * 4;
    std::string huge = raw;
    huge.replace(roomCountAt, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    TRoomList target(1, 1);
    EXPECT_THROW(LoadAreaFromCompressed(DeflateBytes(huge), target), EKbError);

    // A string length beyond the data left.
    std::string longString = raw;
    const size_t shortAt = raw.find("Noname1_1") - 4;
    longString.replace(shortAt, 4, std::string("\xF0\xFF\x00\x00", 4));
    TRoomList target2(1, 1);
    EXPECT_THROW(LoadAreaFromCompressed(DeflateBytes(longString.substr(0, shortAt + 100)), target2), EKbError);
}

std::string LoadError(const std::string& compressed, const TLoadLimits& limits = {})
{
    TRoomList area(1, 1);
    try {
        LoadAreaFromCompressed(compressed, area, limits);
    } catch (const EKbError& e) {
        return e.what();
    }
    return "";
}

TEST(AreaFile, EveryCutOffFileIsReported)
{
    // The example file cut anywhere, and its content cut anywhere but stored as a whole stream.
    const std::string file = ReadFileBytes((SourceDir() / "examples" / "forest.arf").string());
    const std::string raw = InflateBytes(file).Data;
    for (size_t n = 0; n < file.size(); ++n)
        ASSERT_NE(LoadError(file.substr(0, n)), "") << "file cut at " << n;
    for (size_t n = 0; n < raw.size(); ++n)
        ASSERT_NE(LoadError(DeflateBytes(raw.substr(0, n))), "") << "content cut at " << n;
    EXPECT_EQ(LoadError(file.substr(0, 700)), "The file is damaged: it ends before all of its data.");
    EXPECT_EQ(LoadError(file), "");
}

TEST(AreaFile, DamageKeepsTheRoomsReadBeforeIt)
{
    auto area = FullArea();
    const std::string file = DeflateBytes(AreaToInflatedBytes(*area));
    // Corrupt compressed data after the signature: the decompression error, rooms read so far stay.
    std::string bad = file;
    for (size_t i = bad.size() * 3 / 4; i < bad.size(); ++i)
        bad[i] = static_cast<char>(bad[i] ^ 0x5A);
    TRoomList damaged(1, 1);
    EXPECT_THROW(LoadAreaFromCompressed(bad, damaged), EKbError);
    EXPECT_EQ(damaged.FilePrefix, "pre");

    // Only the checksum at the very end is wrong: all rooms are read, and the damage is still reported.
    std::string badSum = file;
    badSum.back() = static_cast<char>(badSum.back() ^ 1);
    TRoomList checksum(1, 1);
    EXPECT_THROW(LoadAreaFromCompressed(badSum, checksum), EKbError);
    EXPECT_EQ(checksum.Count(), 3);
}

TEST(AreaFile, NumberingStopsAtTheLargestNumber)
{
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    BuildRoom(area, {3, 1}, nullptr);
    area[0].Number = 0;
    area[1].Number = 0;
    area.LastNumber = INT32_MAX - 1;
    TRoomList loaded(1, 1);
    EXPECT_THROW(LoadAreaFromCompressed(DeflateBytes(AreaToInflatedBytes(area)), loaded), EKbError);
    ASSERT_EQ(loaded.Count(), 1); // the room numbered before the overflow stays
    EXPECT_EQ(loaded[0].Number, INT32_MAX);
}

TEST(AreaFile, ContentBeyondTheLimitsIsRefused)
{
    const TLoadLimits small{4096, 1 << 20};
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    struct Case {
        const char* what;
        TStrings header;
        std::string expected;
    };
    const Case cases[] = {
        // Inflates past the limit from a few hundred bytes.
        {"many bytes", TStrings(40, std::string(60000, 'x')), "more than 1 MiB"},
        // Small once inflated, but its lines would take many times that in memory.
        {"many lines", TStrings(100000), "exceeds the 1 MiB"},
    };
    for (const Case& c : cases) {
        area.FileHeader = c.header;
        const std::string file = DeflateBytes(AreaToInflatedBytes(area));
        ASSERT_LT(file.size(), 4096u) << c.what;
        EXPECT_NE(LoadError(file, small).find(c.expected), std::string::npos) << c.what << ": " << LoadError(file, small);
        EXPECT_EQ(LoadError(file), "") << c.what;
    }
    area.FileHeader = {"a line"};
    EXPECT_EQ(LoadError(DeflateBytes(AreaToInflatedBytes(area)), {20, 1 << 20}),
              "The file is too large: it is over 20 bytes, the most a file may hold.");
}

TEST(AreaFile, RoomsInAnyStoredOrderLoadAsAddedOneByOne)
{
    // Two rooms on one cell (a damaged file) keep their file order, as adding them in turn does.
    const std::vector<std::vector<TGridPoint>> orders = {
        {{1, 1}, {2, 1}, {1, 2}, {3, 3}},
        {{3, 3}, {1, 2}, {2, 1}, {1, 1}},
        {{2, 1}, {3, 3}, {2, 1}, {1, 1}, {1, 2}, {1, 1}},
    };
    for (const auto& order : orders) {
        TRoomList stored(3, 3);
        stored.AutoSort = false; // keep the file order as given
        TRoomList expected(3, 3);
        for (size_t i = 0; i < order.size(); ++i) {
            auto room = std::make_unique<TRoom>();
            room->X = order[i].X;
            room->Y = order[i].Y;
            room->Number = static_cast<int32_t>(i + 1);
            expected.Add(std::make_unique<TRoom>(*room));
            stored.Add(std::move(room));
        }
        TRoomList loaded(1, 1);
        LoadAreaFromCompressed(DeflateBytes(AreaToInflatedBytes(stored)), loaded);
        ASSERT_EQ(loaded.Count(), expected.Count());
        for (int i = 0; i < loaded.Count(); ++i)
            EXPECT_EQ(loaded[i].Number, expected[i].Number) << i;
        EXPECT_TRUE(loaded.InPositionOrder());
    }
}

TEST(AreaFile, GridsWiderOrTallerThanTheLargestSideAreRefused)
{
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    area.Width = MaxGridCells;
    area.Height = MaxGridCells;
    const std::string largest = AreaToInflatedBytes(area);
    TRoomList loaded(1, 1);
    ASSERT_EQ(LoadError(DeflateBytes(largest)), "");
    LoadAreaFromCompressed(DeflateBytes(largest), loaded);
    EXPECT_EQ(loaded.Width, MaxGridCells);

    // The sides stand right after the signature and the version.
    const size_t widthAt = 4 + std::string(AreaFileSignature).size() + 4;
    auto withSides = [&](int32_t w, int32_t h) {
        std::string raw = largest;
        for (int i = 0; i < 4; ++i) {
            raw[widthAt + i] = static_cast<char>((uint32_t(w) >> (8 * i)) & 0xFF);
            raw[widthAt + 4 + i] = static_cast<char>((uint32_t(h) >> (8 * i)) & 0xFF);
        }
        return DeflateBytes(raw);
    };
    ASSERT_EQ(LoadError(withSides(5, 7)), "");
    for (const auto& [w, h] : {std::pair{MaxGridCells + 1, 3}, {3, MaxGridCells + 1}, {INT32_MAX, INT32_MAX}}) {
        TRoomList refused(9, 9);
        try {
            LoadAreaFromCompressed(withSides(w, h), refused);
            ADD_FAILURE() << w << " x " << h << " was loaded";
        } catch (const EKbError& e) {
            EXPECT_STREQ(e.what(), BadFormatMessage) << w << " x " << h;
        }
        EXPECT_EQ(refused.Width, 9);
        EXPECT_EQ(refused.Count(), 0);
    }

    // Nothing writes what cannot be read back.
    TTempDir dir;
    const std::string path = dir.File("wide.arf");
    SaveArea(path, area);
    area.Width = MaxGridCells + 2;
    EXPECT_THROW(SaveArea(path, area), EKbError);
    TRoomList kept(1, 1);
    LoadArea(path, kept);
    EXPECT_EQ(kept.Width, MaxGridCells);
}

// A data file is one zlib stream whose content ends with its last field: anything after the
// stream, or content left unread inside it, makes the file damaged in each of the three formats.
#include "../db/dbtest.h"
#include "files/areafile.h"
#include "files/itemfile.h"
#include "files/sentencefile.h"
#include "files/zstream.h"
#include "kberror.h"
#include "model/mapedit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
struct TFormat {
    const char* Name;
    std::string Content; // inflated, as the writer makes it
    std::string Other;   // the content of another, larger file of the same kind
    std::string Message;
    std::function<void(const std::string&)> Load;
};

std::string AreaContent(int rooms)
{
    TRoomList area(2 * rooms + 1, 3);
    for (int i = 0; i < rooms; ++i)
        BuildRoom(area, {2 * i + 1, 1}, nullptr);
    return AreaToInflatedBytes(area);
}

std::string SentenceContent(int count)
{
    TSentenceList db;
    for (int i = 0; i < count; ++i)
        db.Add(std::make_unique<TSentence>(TSentence{"Sentence " + std::to_string(i), "cat", 1u << 2, "Long"}));
    return SentencesToInflatedBytes(db);
}

std::string ItemContent(int count)
{
    TItemList db;
    for (int i = 0; i < count; ++i)
        db.Add(std::make_unique<TItem>(FullItem("item" + std::to_string(i))));
    return ItemsToInflatedBytes(db);
}

std::vector<TFormat> Formats()
{
    return {
        {"area", AreaContent(2), AreaContent(40), BadFormatMessage,
         [](const std::string& c) {
             TRoomList area(1, 1);
             LoadAreaFromCompressed(c, area);
         }},
        {"sentences", SentenceContent(2), SentenceContent(40), BadFormatMessage,
         [](const std::string& c) {
             TSentenceList db;
             LoadSentencesFromCompressed(c, db);
         }},
        {"items", ItemContent(2), ItemContent(40), ItemFileBadFormatMessage,
         [](const std::string& c) {
             TItemList db;
             LoadItemsFromCompressed(c, db);
         }},
    };
}

std::string Error(const TFormat& format, const std::string& compressed)
{
    try {
        format.Load(compressed);
    } catch (const EKbError& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(TrailingData, BytesAfterTheStreamMakeTheFileDamaged)
{
    for (const TFormat& f : Formats()) {
        const std::string file = DeflateBytes(f.Content);
        ASSERT_EQ(Error(f, file), "") << f.Name;
        const struct {
            const char* what;
            std::string bytes;
        } cases[] = {
            {"another file appended", file + DeflateBytes(f.Other)},
            {"the same file twice", file + file},
            {"one zero byte", file + std::string(1, '\0')},
            {"a line of text", file + "\r\n"},
        };
        for (const auto& c : cases)
            EXPECT_EQ(Error(f, c.bytes), f.Message) << f.Name << ": " << c.what;
    }
}

TEST(TrailingData, ContentLeftAfterTheLastFieldMakesTheFileDamaged)
{
    for (const TFormat& f : Formats()) {
        const struct {
            const char* what;
            std::string content;
        } cases[] = {
            {"one byte", f.Content + std::string(1, '\0')},
            {"a second file's content", f.Content + f.Other},
            {"many bytes", f.Content + std::string(size_t(1) << 19, '\0')},
        };
        for (const auto& c : cases)
            EXPECT_EQ(Error(f, DeflateBytes(c.content)), f.Message) << f.Name << ": " << c.what;
        // A damaged end is still reported as such, not as left-over content.
        std::string badSum = DeflateBytes(f.Content);
        badSum.back() = static_cast<char>(badSum.back() ^ 1);
        const std::string sumError = Error(f, badSum);
        EXPECT_NE(sumError, "") << f.Name;
        EXPECT_NE(sumError, f.Message) << f.Name;
    }
}

TEST(TrailingData, ContentEndingWhereTheReaderStopsInflatingIsStillChecked)
{
    // An area whose valid content is a power of two long, as the pieces it is inflated in:
    // the extra byte then only shows when the reader asks for more.
    TRoomList area(3, 3);
    BuildRoom(area, {1, 1}, nullptr);
    area.FileHeader.clear();
    const size_t base = AreaToInflatedBytes(area).size();
    size_t missing = (size_t(1) << 18) - base;
    while (missing > 0) {
        const size_t line = std::min<size_t>(missing - 4, 60000);
        area.FileHeader.push_back(std::string(line, 'h'));
        missing -= line + 4;
    }
    const std::string content = AreaToInflatedBytes(area);
    ASSERT_EQ(content.size(), size_t(1) << 18);
    TRoomList exact(1, 1);
    EXPECT_NO_THROW(LoadAreaFromCompressed(DeflateBytes(content), exact));
    TRoomList longer(1, 1);
    try {
        LoadAreaFromCompressed(DeflateBytes(content + "x"), longer);
        ADD_FAILURE() << "content left after the colours was loaded";
    } catch (const EKbError& e) {
        EXPECT_STREQ(e.what(), BadFormatMessage);
    }
}

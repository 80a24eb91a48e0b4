// Saving what was built elsewhere: written only when its loader takes it back as it is.
#include "files/areafile.h"
#include "files/itemfile.h"
#include "files/loadablesave.h"
#include "files/sentencefile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <utility>

namespace {
TRoom& PutRoom(TRoomList& area, int32_t number, int32_t x, int32_t y)
{
    auto room = std::make_unique<TRoom>();
    room->Number = number;
    room->X = x;
    room->Y = y;
    return *area.Add(std::move(room));
}

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EKbError& e) {
        return e.what();
    }
    return "no error";
}
} // namespace

TEST(LoadableSave, RoomsAreNumberedAsLoadingWouldAndNumbersNeverRepeat)
{
    TRoomList area(9, 9);
    area.LastNumber = 10;
    PutRoom(area, 0, 5, 1);
    PutRoom(area, 4, 1, 2);
    PutRoom(area, 0, 2, 1);
    NumberRoomsForSaving(area);
    // In position order, on from LastNumber.
    EXPECT_EQ(area.RoomAt(2, 1)->Number, 11);
    EXPECT_EQ(area.RoomAt(5, 1)->Number, 12);
    EXPECT_EQ(area.RoomAt(1, 2)->Number, 4);
    EXPECT_EQ(area.LastNumber, 12);

    // The file holds what loading it gives: the same numbers, nothing left to number.
    TTempDir dir;
    SaveLoadableArea(dir.File("a.arf"), AreaToInflatedBytes(area));
    TRoomList back(0, 0);
    LoadArea(dir.File("a.arf"), back);
    for (int i = 0; i < area.Count(); ++i)
        EXPECT_EQ(back[i].Number, std::as_const(area)[i].Number);
    EXPECT_EQ(back.LastNumber, 12);

    TRoomList full(9, 9);
    full.LastNumber = INT32_MAX - 1;
    PutRoom(full, 0, 1, 1);
    PutRoom(full, 0, 3, 1);
    EXPECT_EQ(ErrorOf([&] { NumberRoomsForSaving(full); }),
              "The rooms are numbered past 2147483647: the room at (3:1) has no number left.");

    TRoomList below(9, 9);
    below.LastNumber = 6;
    PutRoom(below, 7, 4, 4);
    EXPECT_EQ(ErrorOf([&] { NumberRoomsForSaving(below); }),
              "The room at (4:4) has the number 7, above the area's LastNumber 6: new rooms would take numbers "
              "already used.");

    TRoomList twins(9, 9);
    twins.LastNumber = 9;
    PutRoom(twins, 3, 1, 1);
    PutRoom(twins, 0, 2, 1);
    PutRoom(twins, -2, 1, 2);
    PutRoom(twins, 3, 2, 2);
    EXPECT_EQ(ErrorOf([&] { NumberRoomsForSaving(twins); }), "The rooms at (1:1) and (2:2) have the same number 3.");
}

TEST(LoadableSave, WhatTheLoaderRefusesIsNotWrittenAndAnOldFileStays)
{
    TTempDir dir;
    TRoomList area(9, 9);
    for (int i = 1; i <= 40; ++i)
        PutRoom(area, i, i % 9, i / 9).Short = "A room of forty.";
    TSentenceList sentences;
    TItemList items;
    for (int i = 0; i < 40; ++i) {
        sentences.Add(std::make_unique<TSentence>(TSentence{"Sentence " + std::to_string(i), "c", 1, ""}));
        auto item = std::make_unique<TItem>();
        item->ID = "item" + std::to_string(i);
        item->Description = {"Something to see."};
        items.Add(std::move(item));
    }
    TLoadLimits small;
    small.MaxContentBytes = 4096;
    const struct {
        const char* Name;
        std::function<void(const std::string&, const TLoadLimits&)> Save;
    } files[] = {
        {"a.arf", [&](const std::string& f, const TLoadLimits& l) { SaveLoadableArea(f, AreaToInflatedBytes(area), l); }},
        {"s.sdb",
         [&](const std::string& f, const TLoadLimits& l) { SaveLoadableSentences(f, SentencesToInflatedBytes(sentences), l); }},
        {"i.idb", [&](const std::string& f, const TLoadLimits& l) { SaveLoadableItems(f, ItemsToInflatedBytes(items), l); }},
    };
    for (const auto& file : files) {
        const std::string name = dir.File(file.Name);
        const std::string refused = ErrorOf([&] { file.Save(name, small); });
        EXPECT_EQ(refused.rfind("Not written: \"" + name + "\" would not load: ", 0), 0u) << refused;
        EXPECT_NE(refused.find("4096 bytes a file may hold"), std::string::npos) << refused;
        EXPECT_FALSE(std::filesystem::exists(name));
        file.Save(name, {});
        const std::string saved = ReadFileBytes(name);
        EXPECT_NE(ErrorOf([&] { file.Save(name, small); }), "no error");
        EXPECT_EQ(ReadFileBytes(name), saved) << file.Name;
    }
    TSentenceList back;
    ASSERT_EQ(LoadSentences(dir.File("s.sdb"), back), SentenceFileVersion);
    EXPECT_EQ(back.Count(), 40);
}

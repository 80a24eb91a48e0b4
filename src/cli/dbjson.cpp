#include "cli/dbjson.h"

#include "cli/areajson.h"
#include "cli/jsonfields.h"
#include "cli/jsonstream.h"

using nlohmann::json;
using nlohmann::ordered_json;

ordered_json SentencesToJson(const TSentenceList& db, int version, const TTextCodec& c)
{
    ordered_json j;
    j["Version"] = version;
    j["SortColumn"] = db.SortColumn;
    j["SortAscending"] = db.SortAscending;
    ordered_json list = ordered_json::array();
    for (const auto& s : db.Elements())
        list.push_back({{"Sentence", c.ToUtf8(s->Sentence)},
                        {"Category", c.ToUtf8(s->Category)},
                        {"AreaTypes", s->AreaTypes},
                        {"Desc", c.ToUtf8(s->Desc)}});
    j["Sentences"] = list;
    return j;
}

namespace {
std::unique_ptr<TSentence> SentenceFromJson(const json& sj, const TTextCodec& c)
{
    RequireObject(sj, "a sentence");
    auto s = std::make_unique<TSentence>();
    StringFromJson(sj, "Sentence", s->Sentence, c);
    StringFromJson(sj, "Category", s->Category, c);
    NumberFromJson(sj, "AreaTypes", s->AreaTypes);
    StringFromJson(sj, "Desc", s->Desc, c);
    return s;
}

std::unique_ptr<TItem> NewItemFromJson(const json& ij, const TTextCodec& c)
{
    auto item = std::make_unique<TItem>();
    ItemFromJson(ij, *item, c);
    return item;
}

// The list's elements are read into a list of their own, added once the whole text is read.
template <typename T, typename F>
TJsonStreamedKey StreamedList(const char* key, std::vector<std::unique_ptr<T>>& list, F fromJson)
{
    return {key, [&list] { list.clear(); }, [&list, fromJson](const json& element) { list.push_back(fromJson(element)); }};
}
} // namespace

void SentencesFromJson(const json& j, TSentenceList& db, const TTextCodec& c)
{
    RequireObject(j, "the sentence database");
    NumberFromJson(j, "SortColumn", db.SortColumn);
    BoolFromJson(j, "SortAscending", db.SortAscending);
    if (const json* list = ArrayAt(j, "Sentences"))
        for (const json& sj : *list)
            db.Add(SentenceFromJson(sj, c));
}

void SentencesFromJsonText(const std::string& text, const std::string& fileName, TSentenceList& db,
                           const TTextCodec& c)
{
    std::vector<std::unique_ptr<TSentence>> list;
    TJsonStream stream({StreamedList("Sentences", list, [&c](const json& e) { return SentenceFromJson(e, c); })});
    SentencesFromJson(stream.Parse(text, fileName), db, c);
    stream.RaiseElementErrors();
    for (auto& s : list)
        db.Add(std::move(s));
}

ordered_json ItemsToJson(const TItemList& db, int version, const TTextCodec& c)
{
    ordered_json j;
    j["Version"] = version;
    j["SortColumn"] = db.SortColumn;
    j["SortAscending"] = db.SortAscending;
    ordered_json list = ordered_json::array();
    for (const auto& item : db.Elements())
        list.push_back(ItemToJson(*item, c));
    j["Items"] = list;
    return j;
}

void ItemsFromJson(const json& j, TItemList& db, const TTextCodec& c)
{
    RequireObject(j, "the item database");
    NumberFromJson(j, "SortColumn", db.SortColumn);
    BoolFromJson(j, "SortAscending", db.SortAscending);
    if (const json* list = ArrayAt(j, "Items"))
        for (const json& ij : *list)
            db.Add(NewItemFromJson(ij, c));
}

void ItemsFromJsonText(const std::string& text, const std::string& fileName, TItemList& db, const TTextCodec& c)
{
    std::vector<std::unique_ptr<TItem>> list;
    TJsonStream stream({StreamedList("Items", list, [&c](const json& e) { return NewItemFromJson(e, c); })});
    ItemsFromJson(stream.Parse(text, fileName), db, c);
    stream.RaiseElementErrors();
    for (auto& item : list)
        db.Add(std::move(item));
}

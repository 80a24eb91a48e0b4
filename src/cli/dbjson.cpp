#include "cli/dbjson.h"

#include "cli/areajson.h"
#include "cli/jsonfields.h"

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

void SentencesFromJson(const json& j, TSentenceList& db, const TTextCodec& c)
{
    RequireObject(j, "the sentence database");
    NumberFromJson(j, "SortColumn", db.SortColumn);
    BoolFromJson(j, "SortAscending", db.SortAscending);
    if (const json* list = ArrayAt(j, "Sentences")) {
        for (const json& sj : *list) {
            RequireObject(sj, "a sentence");
            auto s = std::make_unique<TSentence>();
            StringFromJson(sj, "Sentence", s->Sentence, c);
            StringFromJson(sj, "Category", s->Category, c);
            NumberFromJson(sj, "AreaTypes", s->AreaTypes);
            StringFromJson(sj, "Desc", s->Desc, c);
            db.Add(std::move(s));
        }
    }
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
    if (const json* list = ArrayAt(j, "Items")) {
        for (const json& ij : *list) {
            auto item = std::make_unique<TItem>();
            ItemFromJson(ij, *item, c);
            db.Add(std::move(item));
        }
    }
}

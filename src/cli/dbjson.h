#pragma once
// The two reference databases as JSON, with the model's field names as keys.
#include "cli/textcodec.h"
#include "db/itemlist.h"
#include "db/sentencelist.h"

#include <nlohmann/json.hpp>

nlohmann::ordered_json SentencesToJson(const TSentenceList& db, int version, const TTextCodec& codec);
// Fills a new database; keys that are missing keep the new object's defaults.
void SentencesFromJson(const nlohmann::json& j, TSentenceList& db, const TTextCodec& codec);

nlohmann::ordered_json ItemsToJson(const TItemList& db, int version, const TTextCodec& codec);
void ItemsFromJson(const nlohmann::json& j, TItemList& db, const TTextCodec& codec);

// The same from the JSON text, read as a stream: one sentence or item at a time is held as JSON.
void SentencesFromJsonText(const std::string& text, const std::string& fileName, TSentenceList& db,
                           const TTextCodec& codec);
void ItemsFromJsonText(const std::string& text, const std::string& fileName, TItemList& db, const TTextCodec& codec);

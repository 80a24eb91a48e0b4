#pragma once
// The area as JSON, with the model's field names as keys; text decoded by one code page.
#include "cli/textcodec.h"
#include "model/roomlist.h"

#include <nlohmann/json.hpp>
#include <ostream>

nlohmann::ordered_json AreaToJson(const TRoomList& area, int version, const TTextCodec& codec);

// Writes the text AreaToJson(...).dump(2) gives, one room at a time: the area's fields first,
// then each room as it is handed over, then the template rooms.
class TAreaJsonWriter {
public:
    // The fields of the area (its rooms are not written).
    TAreaJsonWriter(std::ostream& out, const TRoomList& fields, int version, const TTextCodec& codec);
    void Room(const TRoom& room);
    void Finish(const TRList& templates);

private:
    void Element(const TRoom& room);

    std::ostream& m_out;
    const TTextCodec& m_codec;
    bool m_empty = true;
};
// Fills a new area; keys that are missing keep the new object's defaults.
void AreaFromJson(const nlohmann::json& j, TRoomList& area, const TTextCodec& codec);
// The same from the JSON text, read as a stream: one room at a time is held as JSON. A room
// list larger than an area file may hold is refused before it fills memory.
void AreaFromJsonText(const std::string& text, const std::string& fileName, TRoomList& area, const TTextCodec& codec);

// Pieces shared with the database documents.
nlohmann::ordered_json ItemToJson(const TItem& item, const TTextCodec& codec);
void ItemFromJson(const nlohmann::json& j, TItem& item, const TTextCodec& codec);
nlohmann::ordered_json StringsToJson(const TStrings& list, const TTextCodec& codec);
void StringsFromJson(const nlohmann::json& j, const char* key, TStrings& list, const TTextCodec& codec);
void StringFromJson(const nlohmann::json& j, const char* key, std::string& s, const TTextCodec& codec);

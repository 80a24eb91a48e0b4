#include "cli/areajson.h"

#include "cli/jsonfields.h"
#include "cli/jsonstream.h"
#include "files/loadlimits.h"
#include "kberror.h"

#include <algorithm>

using nlohmann::json;
using nlohmann::ordered_json;

namespace {
ordered_json AreaFieldsToJson(const TRoomList& area, int version, const TTextCodec& c);

ordered_json RoomToJson(const TRoom& r, const TTextCodec& c)
{
    ordered_json j;
    j["Number"] = r.Number;
    j["X"] = r.X;
    j["Y"] = r.Y;
    ordered_json links = ordered_json::array();
    for (const TGridPoint& p : r.CompassLinks)
        links.push_back({p.X, p.Y});
    j["CompassLinks"] = links;
    j["AreaTypes"] = r.AreaTypes;
    j["FileName"] = c.ToUtf8(r.FileName);
    j["Short"] = c.ToUtf8(r.Short);
    j["DayLight"] = r.DayLight;
    j["NightLight"] = r.NightLight;
    j["AmbientLight"] = r.AmbientLight;
    ordered_json descs = ordered_json::array();
    for (const auto& d : r.Descriptions)
        descs.push_back({{"Name", c.ToUtf8(d.Name)}, {"Text", StringsToJson(d.Text, c)}});
    j["Descriptions"] = descs;
    ordered_json items = ordered_json::array();
    for (const auto& it : r.Items)
        items.push_back(ItemToJson(it, c));
    j["Items"] = items;
    ordered_json exits = ordered_json::array();
    for (const auto& e : r.Exits)
        exits.push_back({{"Kind", e.Kind}, {"ID", c.ToUtf8(e.ID)}, {"Target", e.Target}});
    j["Exits"] = exits;
    j["Script"] = StringsToJson(r.Script, c);
    j["ScriptEnabled"] = r.ScriptEnabled;
    return j;
}

void RoomFromJson(const json& j, TRoom& r, const TTextCodec& c)
{
    RequireObject(j, "a room");
    NumberFromJson(j, "Number", r.Number);
    NumberFromJson(j, "X", r.X);
    NumberFromJson(j, "Y", r.Y);
    if (const json* links = ArrayAt(j, "CompassLinks")) {
        if (links->size() != DirectionCount)
            throw EKbError("JSON: \"CompassLinks\" must hold eight [X, Y] pairs.");
        for (int d = 0; d < DirectionCount; ++d) {
            const json& p = (*links)[d];
            if (!p.is_array() || p.size() != 2)
                throw EKbError("JSON: each compass link must be an [X, Y] pair.");
            const auto coordinate = [](const json& v) { return IntegerFromJson<int32_t>(v, "CompassLinks"); };
            r.CompassLinks[d] = {coordinate(p[0]), coordinate(p[1])};
        }
    }
    NumberFromJson(j, "AreaTypes", r.AreaTypes);
    StringFromJson(j, "FileName", r.FileName, c);
    StringFromJson(j, "Short", r.Short, c);
    NumberFromJson(j, "DayLight", r.DayLight);
    NumberFromJson(j, "NightLight", r.NightLight);
    NumberFromJson(j, "AmbientLight", r.AmbientLight);
    if (const json* descs = ArrayAt(j, "Descriptions")) {
        r.Descriptions.clear();
        for (const json& dj : *descs) {
            RequireObject(dj, "a description");
            TRoomDescription d;
            StringFromJson(dj, "Name", d.Name, c);
            StringsFromJson(dj, "Text", d.Text, c);
            // Loading drops a description without lines; the area built is the one that loads.
            if (!d.Text.empty())
                r.Descriptions.push_back(std::move(d));
        }
    }
    if (const json* items = ArrayAt(j, "Items")) {
        r.Items.clear();
        for (const json& ij : *items) {
            TItem item;
            ItemFromJson(ij, item, c);
            r.Items.push_back(std::move(item));
        }
    }
    if (const json* exits = ArrayAt(j, "Exits")) {
        r.Exits.clear();
        for (const json& ej : *exits) {
            RequireObject(ej, "an exit");
            TExit e;
            NumberFromJson(ej, "Kind", e.Kind);
            StringFromJson(ej, "ID", e.ID, c);
            NumberFromJson(ej, "Target", e.Target);
            r.Exits.push_back(std::move(e));
        }
    }
    StringsFromJson(j, "Script", r.Script, c);
    BoolFromJson(j, "ScriptEnabled", r.ScriptEnabled);
}
} // namespace

ordered_json StringsToJson(const TStrings& list, const TTextCodec& codec)
{
    ordered_json a = ordered_json::array();
    for (const auto& s : list)
        a.push_back(codec.ToUtf8(s));
    return a;
}

void StringFromJson(const json& j, const char* key, std::string& s, const TTextCodec& codec)
{
    auto it = j.find(key);
    if (it == j.end())
        return;
    if (!it->is_string())
        throw EKbError(std::string("JSON: \"") + key + "\" must be a string.");
    s = codec.FromUtf8(it->get<std::string>());
}

void StringsFromJson(const json& j, const char* key, TStrings& list, const TTextCodec& codec)
{
    const json* a = ArrayAt(j, key);
    if (!a)
        return;
    list.clear();
    for (const json& s : *a) {
        if (!s.is_string())
            throw EKbError(std::string("JSON: \"") + key + "\" must hold strings.");
        list.push_back(codec.FromUtf8(s.get<std::string>()));
    }
}

ordered_json ItemToJson(const TItem& item, const TTextCodec& c)
{
    ordered_json j;
    j["ID"] = c.ToUtf8(item.ID);
    j["Synonyms"] = StringsToJson(item.Synonyms, c);
    j["Description"] = StringsToJson(item.Description, c);
    j["Listen"] = StringsToJson(item.Listen, c);
    j["Smell"] = StringsToJson(item.Smell, c);
    j["Touch"] = StringsToJson(item.Touch, c);
    j["Search"] = StringsToJson(item.Search, c);
    j["Read"] = StringsToJson(item.Read, c);
    return j;
}

void ItemFromJson(const json& j, TItem& item, const TTextCodec& c)
{
    RequireObject(j, "an item");
    StringFromJson(j, "ID", item.ID, c);
    StringsFromJson(j, "Synonyms", item.Synonyms, c);
    StringsFromJson(j, "Description", item.Description, c);
    StringsFromJson(j, "Listen", item.Listen, c);
    StringsFromJson(j, "Smell", item.Smell, c);
    StringsFromJson(j, "Touch", item.Touch, c);
    StringsFromJson(j, "Search", item.Search, c);
    StringsFromJson(j, "Read", item.Read, c);
}

ordered_json AreaToJson(const TRoomList& area, int version, const TTextCodec& c)
{
    ordered_json j = AreaFieldsToJson(area, version, c);
    ordered_json rooms = ordered_json::array();
    for (int i = 0; i < area.Count(); ++i)
        rooms.push_back(RoomToJson(area[i], c));
    j["Rooms"] = rooms;
    ordered_json defaults = ordered_json::array();
    for (int i = 0; i < area.DefaultRooms.Count(); ++i)
        defaults.push_back(RoomToJson(area.DefaultRooms[i], c));
    j["DefaultRooms"] = defaults;
    return j;
}

namespace {
ordered_json AreaFieldsToJson(const TRoomList& area, int version, const TTextCodec& c)
{
    ordered_json j;
    j["Version"] = version;
    j["Width"] = area.Width;
    j["Height"] = area.Height;
    j["FileName"] = c.ToUtf8(area.FileName);
    j["FileNameFormat"] = area.FileNameFormat;
    j["FilePrefix"] = c.ToUtf8(area.FilePrefix);
    j["FileMiddle"] = c.ToUtf8(area.FileMiddle);
    j["FilePostfix"] = c.ToUtf8(area.FilePostfix);
    j["LastNumber"] = area.LastNumber;
    j["FileDigits"] = area.FileDigits;
    j["FileHeader"] = StringsToJson(area.FileHeader, c);
    j["ScriptTemplate"] = StringsToJson(area.ScriptTemplate, c);
    j["WrapFirst"] = area.WrapFirst;
    j["WrapOther"] = area.WrapOther;
    j["EditorHeight"] = area.EditorHeight;
    j["Colors"] = area.Colors;
    return j;
}
} // namespace

TAreaJsonWriter::TAreaJsonWriter(std::ostream& out, const TRoomList& fields, int version, const TTextCodec& codec)
    : m_out(out), m_codec(codec)
{
    const ordered_json j = AreaFieldsToJson(fields, version, codec);
    std::string text = j.dump(2);
    text.resize(text.size() - 2); // the closing "\n}"
    m_out << text << ",\n  \"Rooms\": [";
}

void TAreaJsonWriter::Element(const TRoom& room)
{
    // Structural line breaks only: a break inside a string is written as \n.
    const std::string text = RoomToJson(room, m_codec).dump(2);
    std::string indented = m_empty ? "\n    " : ",\n    ";
    indented.reserve(text.size() * 2);
    for (char ch : text) {
        indented += ch;
        if (ch == '\n')
            indented += "    ";
    }
    m_out.write(indented.data(), static_cast<std::streamsize>(indented.size()));
    m_empty = false;
}

void TAreaJsonWriter::Room(const TRoom& room) { Element(room); }

void TAreaJsonWriter::Finish(const TRList& templates)
{
    m_out << (m_empty ? "]" : "\n  ]") << ",\n  \"DefaultRooms\": [";
    m_empty = true;
    for (int i = 0; i < templates.Count(); ++i)
        Element(templates[i]);
    m_out << (m_empty ? "]" : "\n  ]") << "\n}";
}

void AreaFromJson(const json& j, TRoomList& area, const TTextCodec& c)
{
    RequireObject(j, "the area");
    NumberFromJson(j, "Width", area.Width);
    NumberFromJson(j, "Height", area.Height);
    StringFromJson(j, "FileName", area.FileName, c);
    NumberFromJson(j, "FileNameFormat", area.FileNameFormat);
    StringFromJson(j, "FilePrefix", area.FilePrefix, c);
    StringFromJson(j, "FileMiddle", area.FileMiddle, c);
    StringFromJson(j, "FilePostfix", area.FilePostfix, c);
    NumberFromJson(j, "LastNumber", area.LastNumber);
    NumberFromJson(j, "FileDigits", area.FileDigits);
    StringsFromJson(j, "FileHeader", area.FileHeader, c);
    StringsFromJson(j, "ScriptTemplate", area.ScriptTemplate, c);
    NumberFromJson(j, "WrapFirst", area.WrapFirst);
    NumberFromJson(j, "WrapOther", area.WrapOther);
    NumberFromJson(j, "EditorHeight", area.EditorHeight);
    if (const json* colors = ArrayAt(j, "Colors")) {
        if (colors->size() != area.Colors.size())
            throw EKbError("JSON: \"Colors\" must hold 19 integers.");
        for (size_t i = 0; i < area.Colors.size(); ++i) {
            area.Colors[i] = IntegerFromJson<int32_t>((*colors)[i], "Colors");
        }
    }
    if (const json* rooms = ArrayAt(j, "Rooms")) {
        // Keep the listed order: rooms are added without re-sorting, then sorted once,
        // which leaves a list that was in position order exactly as it was.
        area.AutoSort = false;
        for (const json& rj : *rooms) {
            auto room = std::make_unique<TRoom>();
            RoomFromJson(rj, *room, c);
            area.Add(std::move(room));
        }
        area.AutoSort = true;
        area.SortByPosition();
    }
    if (const json* defaults = ArrayAt(j, "DefaultRooms")) {
        for (const json& rj : *defaults) {
            auto room = std::make_unique<TRoom>();
            RoomFromJson(rj, *room, c);
            area.DefaultRooms.Add(std::move(room));
        }
    }
}

void AreaFromJsonText(const std::string& text, const std::string& fileName, TRoomList& area, const TTextCodec& c)
{
    // A room takes at least its own size once loaded: more rooms than the content limit holds
    // of those can never load, and are not built.
    constexpr size_t maxRooms = TLoadLimits{}.MaxContentBytes / sizeof(TRoom);
    std::vector<std::unique_ptr<TRoom>> rooms, defaults;
    const auto reader = [&](std::vector<std::unique_ptr<TRoom>>& list, const char* key) {
        return TJsonStreamedKey{key, [&list] { list.clear(); },
                                [&list, &c, key](const json& element) {
                                    if (list.size() >= maxRooms)
                                        throw EKbError(std::string("JSON: \"") + key +
                                                       "\" holds more rooms than an area file can hold.");
                                    auto room = std::make_unique<TRoom>();
                                    RoomFromJson(element, *room, c);
                                    list.push_back(std::move(room));
                                }};
    };
    TJsonStream stream({reader(rooms, "Rooms"), reader(defaults, "DefaultRooms")});
    const json top = stream.Parse(text, fileName);
    AreaFromJson(top, area, c);
    stream.RaiseElementErrors();
    // The listed order is kept: one stable sort leaves a list in position order as it was.
    area.AddRooms(std::move(rooms));
    // Hand-written JSON often numbers its rooms and leaves LastNumber out: new rooms then
    // follow the largest number rather than the file being refused.
    if (!top.contains("LastNumber"))
        for (int i = 0; i < area.Count(); ++i)
            area.LastNumber = std::max(area.LastNumber, std::as_const(area)[i].Number);
    for (auto& room : defaults)
        area.DefaultRooms.Add(std::move(room));
}

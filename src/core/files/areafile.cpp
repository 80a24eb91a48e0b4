#include "files/areafile.h"

#include "files/bytestream.h"
#include "files/inputfile.h"
#include "files/itemrecord.h"
#include "files/savefile.h"
#include "files/zstream.h"

#include <climits>

const char* const AreaFileSignature = "Kesterbrandor - Kaj";
const char* const BadFormatMessage = "\xC5\xA0patn\xC3\xBD form\xC3\xA1t souboru";

namespace {
constexpr int kMinRoomRecord = 72; // cell and links: present in every version
constexpr int kMinDescriptionRecord = 8;
constexpr int kMinExitRecord = 9;
constexpr size_t kRoomMemory = sizeof(TRoom) + sizeof(std::unique_ptr<TRoom>);

std::string RoomOwner(const TRoom& room, bool templateRoom)
{
    std::string s = templateRoom ? "template room" : "room " + std::to_string(room.Number);
    s += " at (" + std::to_string(room.X) + ", " + std::to_string(room.Y) + ")";
    if (!room.FileName.empty() && room.FileName.size() <= 200)
        s += " \"" + room.FileName + "\"";
    return s;
}

void WriteRoom(TByteWriter& w, const TRoom& room, bool templateRoom)
{
    w.SetOwner(RoomOwner(room, templateRoom));
    w.WriteInt32(room.X);
    w.WriteInt32(room.Y);
    for (const TGridPoint& p : room.CompassLinks) {
        w.WriteInt32(p.X);
        w.WriteInt32(p.Y);
    }
    w.WriteInt32(static_cast<int32_t>(room.AreaTypes));
    w.WriteString(room.FileName, "FileName");
    w.WriteString(room.Short, "Short");
    w.WriteInt32(static_cast<int32_t>(room.Items.size()));
    for (const TItem& item : room.Items)
        WriteItemRecord(w, item);
    w.WriteInt32(static_cast<int32_t>(room.Descriptions.size()));
    for (const TRoomDescription& d : room.Descriptions) {
        w.WriteString(d.Name, "description name");
        w.WriteStringList(d.Text, ("description \"" + d.Name.substr(0, 40) + "\"").c_str());
    }
    w.WriteInt32(room.Number);
    w.WriteInt32(3);
    w.WriteInt32(room.DayLight);
    w.WriteInt32(room.NightLight);
    w.WriteInt32(room.AmbientLight);
    w.WriteInt32(static_cast<int32_t>(room.Exits.size()));
    for (const TExit& e : room.Exits) {
        w.WriteByte(e.Kind);
        w.WriteString(e.ID, "exit ID");
        w.WriteInt32(e.Target);
    }
    w.WriteStringList(room.Script, "Script");
    w.WriteByte(room.ScriptEnabled ? 1 : 0);
}

void ReadRoom(TByteReader& r, TRoom& room, int version)
{
    r.ReadInt32(room.X);
    r.ReadInt32(room.Y);
    for (TGridPoint& p : room.CompassLinks) {
        r.ReadInt32(p.X);
        r.ReadInt32(p.Y);
    }
    if (version >= 2) {
        int32_t types = static_cast<int32_t>(room.AreaTypes);
        r.ReadInt32(types);
        room.AreaTypes = static_cast<TAreaTypes>(types);
        r.ReadString(room.FileName);
        r.ReadString(room.Short);
        const bool senses = version >= 11;
        const int32_t items = r.ReadCount(MinItemRecordSize(senses), sizeof(TItem), "an item count");
        if (r.Present(items, MinItemRecordSize(senses)))
            room.Items.reserve(static_cast<size_t>(items));
        for (int32_t i = 0; i < items; ++i) {
            TItem item;
            ReadItemRecord(r, item, senses);
            room.Items.push_back(std::move(item));
        }
        const int32_t descs = r.ReadCount(kMinDescriptionRecord, sizeof(TRoomDescription), "a description count");
        if (r.Present(descs, kMinDescriptionRecord))
            room.Descriptions.reserve(static_cast<size_t>(descs));
        for (int32_t i = 0; i < descs; ++i) {
            TRoomDescription d;
            r.ReadString(d.Name);
            r.ReadStringList(d.Text);
            if (!d.Text.empty())
                room.Descriptions.push_back(std::move(d));
        }
    }
    if (version >= 3)
        r.ReadInt32(room.Number);
    if (version >= 4) {
        int32_t ignoredCount = 0;
        r.ReadInt32(ignoredCount);
        r.ReadInt32(room.DayLight);
        r.ReadInt32(room.NightLight);
        r.ReadInt32(room.AmbientLight);
    }
    if (version >= 7) {
        const int32_t exits = r.ReadCount(kMinExitRecord, sizeof(TExit), "an exit count");
        for (int32_t i = 0; i < exits; ++i) {
            TExit e;
            r.ReadByte(e.Kind);
            r.ReadString(e.ID);
            r.ReadInt32(e.Target);
            room.Exits.push_back(std::move(e));
        }
    }
    if (version >= 13) {
        r.ReadStringList(room.Script);
        r.ReadBool(room.ScriptEnabled);
    }
}

// Numbers a room stored without one on from the area's last number.
void NumberLoadedRoom(TRoom& room, TRoomList& area)
{
    if (room.Number != 0)
        return;
    if (area.LastNumber == INT32_MAX)
        throw EKbError("The file is damaged: its rooms are numbered past 2147483647.");
    room.Number = ++area.LastNumber;
}

// The rooms in file order, added to the area at once: adding them one by one costs a move
// of the list for each room stored out of position order. Rooms read before an error stay.
void ReadRooms(TByteReader& r, TRoomList& area, int version, const TAreaRoomSink* sink)
{
    const int32_t count = r.ReadCount(kMinRoomRecord, kRoomMemory, "the room count");
    if (sink) {
        TRoom room;
        for (int32_t i = 0; i < count; ++i) {
            room = TRoom();
            ReadRoom(r, room, version);
            NumberLoadedRoom(room, area);
            (*sink)(room);
        }
        return;
    }
    std::vector<std::unique_ptr<TRoom>> rooms;
    try {
        for (int32_t i = 0; i < count; ++i) {
            auto room = std::make_unique<TRoom>();
            ReadRoom(r, *room, version);
            NumberLoadedRoom(*room, area);
            rooms.push_back(std::move(room));
        }
    } catch (const EKbError&) {
        area.AddRooms(std::move(rooms));
        throw;
    }
    area.AddRooms(std::move(rooms));
}

int ReadArea(const std::string& compressed, TRoomList& area, const TLoadLimits& limits, const TAreaRoomSink* sink)
{
    TInflater inflater(compressed);
    TByteReader r(inflater, limits.MaxContentBytes);
    std::string signature;
    try {
        r.ReadString(signature);
    } catch (const EKbError&) {
        signature.clear(); // an unreadable start counts as a wrong signature
    }
    int32_t version = -1;
    if (signature == AreaFileSignature)
        r.ReadInt32(version);
    if (signature != AreaFileSignature || version > AreaFileVersion || version < 0)
        throw EKbError(BadFormatMessage);

    int32_t width = area.Width, height = area.Height;
    r.ReadInt32(width);
    r.ReadInt32(height);
    // No writer of this program makes a larger grid, and the editor could not show it.
    if (width > MaxGridCells || height > MaxGridCells)
        throw EKbError(BadFormatMessage);
    area.Width = width;
    area.Height = height;
    if (version >= 3) {
        r.ReadByte(area.FileNameFormat);
        r.ReadString(area.FilePrefix);
        r.ReadString(area.FileMiddle);
        r.ReadString(area.FilePostfix);
        r.ReadInt32(area.LastNumber);
    }
    if (version >= 6)
        r.ReadByte(area.FileDigits);
    if (version >= 8)
        r.ReadStringList(area.FileHeader);
    if (version >= 10)
        r.ReadStringList(area.ScriptTemplate);
    if (version >= 12) {
        r.ReadInt32(area.WrapFirst);
        r.ReadInt32(area.WrapOther);
    }
    if (version >= 14)
        r.ReadInt32(area.EditorHeight);

    ReadRooms(r, area, version, sink);

    int stored = 0;
    if (version >= 15)
        stored = r.ReadCount(kMinRoomRecord, kRoomMemory, "the template room count");
    else if (version >= 5)
        stored = 1;
    for (int i = 0; i < stored; ++i) {
        auto room = std::make_unique<TRoom>();
        ReadRoom(r, *room, version);
        area.DefaultRooms.Add(std::move(room));
    }
    while (area.DefaultRooms.Count() < 10)
        area.DefaultRooms.Add(std::make_unique<TRoom>());

    if (version >= 9)
        for (int32_t& c : area.Colors)
            r.ReadInt32(c);
    r.Finish(BadFormatMessage);
    return version;
}
} // namespace

std::string AreaToInflatedBytes(const TRoomList& area)
{
    // The loader refuses a larger grid: never write a file that cannot be opened again.
    if (area.Width > MaxGridCells || area.Height > MaxGridCells)
        throw EKbError("Cannot save: the grid of " + std::to_string(area.Width) + " x " + std::to_string(area.Height) +
                       " cells is larger than " + std::to_string(MaxGridCells) + " cells a side.");
    TByteWriter w;
    w.WriteString(AreaFileSignature);
    w.WriteInt32(AreaFileVersion);
    w.WriteInt32(area.Width);
    w.WriteInt32(area.Height);
    w.SetOwner("the area settings");
    w.WriteByte(area.FileNameFormat);
    w.WriteString(area.FilePrefix, "FilePrefix");
    w.WriteString(area.FileMiddle, "FileMiddle");
    w.WriteString(area.FilePostfix, "FilePostfix");
    w.WriteInt32(area.LastNumber);
    w.WriteByte(area.FileDigits);
    w.WriteStringList(area.FileHeader, "FileHeader");
    w.WriteStringList(area.ScriptTemplate, "ScriptTemplate");
    w.WriteInt32(area.WrapFirst);
    w.WriteInt32(area.WrapOther);
    w.WriteInt32(area.EditorHeight);
    w.WriteInt32(area.Count());
    for (int i = 0; i < area.Count(); ++i)
        WriteRoom(w, area[i], false);
    w.WriteInt32(area.DefaultRooms.Count());
    for (int i = 0; i < area.DefaultRooms.Count(); ++i)
        WriteRoom(w, area.DefaultRooms[i], true);
    for (int32_t c : area.Colors)
        w.WriteInt32(c);
    return w.TakeBytes();
}

bool SaveArea(const std::string& fileName, const TRoomList& area)
{
    SaveFileAtomically(fileName, DeflateBytes(AreaToInflatedBytes(area)));
    return true;
}

int LoadAreaFromCompressed(const std::string& compressed, TRoomList& area, const TLoadLimits& limits)
{
    CheckFileSize(compressed.size(), limits);
    const int version = ReadArea(compressed, area, limits, nullptr);
    area.Modified = false;
    return version;
}

int ReadAreaRoomByRoom(const std::string& compressed, TRoomList& area, const TAreaRoomSink& onRoom,
                       const TLoadLimits& limits)
{
    CheckFileSize(compressed.size(), limits);
    return ReadArea(compressed, area, limits, &onRoom);
}

int LoadArea(const std::string& fileName, TRoomList& area)
{
    const std::string compressed = ReadWholeFile(fileName);
    const int version = LoadAreaFromCompressed(compressed, area);
    area.FileName = fileName;
    return version;
}

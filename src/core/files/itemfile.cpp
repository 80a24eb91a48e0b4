#include "files/itemfile.h"

#include "files/bytestream.h"
#include "files/inputfile.h"
#include "files/itemrecord.h"
#include "files/savefile.h"
#include "files/zstream.h"

const char* const ItemFileSignature = "Kesterbrandor Item DB - Kaj";
const char* const ItemFileBadFormatMessage = "Bad File Format";
const char* const ItemFileBadVersionMessage = "Incorrect version of file";

namespace {
constexpr size_t kItemMemory = sizeof(TItem) + sizeof(std::unique_ptr<TItem>);

int ReadItems(const std::string& compressed, const TLoadLimits& limits, TItemList& db)
{
    TInflater inflater(compressed);
    TByteReader r(inflater, limits.MaxContentBytes);
    std::string signature;
    try {
        r.ReadString(signature);
    } catch (const EKbError&) {
        signature.clear();
    }
    if (signature != ItemFileSignature)
        throw EKbError(ItemFileBadFormatMessage);
    int32_t version = -1;
    r.ReadInt32(version);
    if (version < 0 || version > ItemFileVersion)
        throw EKbError(ItemFileBadVersionMessage);

    int32_t sortColumn = db.SortColumn;
    bool sortAscending = db.SortAscending;
    r.ReadInt32(sortColumn);
    r.ReadBool(sortAscending);
    const bool senses = version >= 1;
    const int32_t count = r.ReadCount(MinItemRecordSize(senses), kItemMemory, "the item count");
    db.SortColumn = sortColumn;
    db.SortAscending = sortAscending;
    for (int32_t i = 0; i < count; ++i) {
        auto item = std::make_unique<TItem>();
        ReadItemRecord(r, *item, senses);
        db.Add(std::move(item));
    }
    r.Finish(ItemFileBadFormatMessage);
    return version;
}
} // namespace

std::string ItemsToInflatedBytes(const TItemList& db)
{
    TByteWriter w;
    w.WriteString(ItemFileSignature);
    w.WriteInt32(ItemFileVersion);
    w.WriteInt32(db.SortColumn);
    w.WriteByte(db.SortAscending ? 1 : 0);
    w.WriteInt32(db.Count());
    for (int i = 0; i < db.Count(); ++i) {
        const TItem& item = db[i];
        std::string owner = "item " + std::to_string(i + 1);
        if (!item.ID.empty() && item.ID.size() <= 200)
            owner += " \"" + item.ID + "\"";
        w.SetOwner(owner);
        WriteItemRecord(w, item);
    }
    return w.TakeBytes();
}

bool SaveItems(const std::string& fileName, const TItemList& db)
{
    SaveFileAtomically(fileName, DeflateBytes(ItemsToInflatedBytes(db)));
    return true;
}

int LoadItemsFromCompressed(const std::string& compressed, TItemList& db, const TLoadLimits& limits)
{
    CheckFileSize(compressed.size(), limits);
    const int version = ReadItems(compressed, limits, db);
    db.Modified = false;
    return version;
}

int LoadItems(const std::string& fileName, TItemList& db)
{
    std::string compressed;
    if (!TryReadWholeFile(fileName, compressed))
        return -1;
    const int version = LoadItemsFromCompressed(compressed, db);
    db.FileName = fileName;
    return version;
}

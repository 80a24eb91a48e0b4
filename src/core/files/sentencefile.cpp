#include "files/sentencefile.h"

#include "files/areafile.h"
#include "files/bytestream.h"
#include "files/inputfile.h"
#include "files/savefile.h"
#include "files/zstream.h"

const char* const SentenceFileSignature = "Kesterbrandor Sentence DB - Kaj";

namespace {
constexpr int kMinSentenceRecord = 16; // three empty strings and the area types
constexpr size_t kSentenceMemory = sizeof(TSentence) + sizeof(std::unique_ptr<TSentence>);

int ReadSentences(const std::string& compressed, const TLoadLimits& limits, TSentenceList& db)
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
    if (signature == SentenceFileSignature)
        r.ReadInt32(version);
    if (signature != SentenceFileSignature || version < 0 || version > SentenceFileVersion)
        throw EKbError(BadFormatMessage);

    // Read into locals first so that a damaged header leaves the settings alone.
    int32_t sortColumn = db.SortColumn;
    bool sortAscending = db.SortAscending;
    if (version >= 2) {
        r.ReadInt32(sortColumn);
        r.ReadBool(sortAscending);
    }
    const int32_t count = r.ReadCount(kMinSentenceRecord, kSentenceMemory, "the sentence count");
    db.SortColumn = sortColumn;
    db.SortAscending = sortAscending;
    for (int32_t i = 0; i < count; ++i) {
        auto s = std::make_unique<TSentence>();
        r.ReadString(s->Sentence);
        r.ReadString(s->Category);
        int32_t types = 0;
        r.ReadInt32(types);
        s->AreaTypes = static_cast<TAreaTypes>(types);
        r.ReadString(s->Desc);
        db.Add(std::move(s));
    }
    r.Finish(BadFormatMessage);
    return version;
}
} // namespace

std::string SentencesToInflatedBytes(const TSentenceList& db)
{
    TByteWriter w;
    w.WriteString(SentenceFileSignature);
    w.WriteInt32(SentenceFileVersion);
    w.WriteInt32(db.SortColumn);
    w.WriteByte(db.SortAscending ? 1 : 0);
    w.WriteInt32(db.Count());
    for (int i = 0; i < db.Count(); ++i) {
        const TSentence& s = db[i];
        w.SetOwner("sentence " + std::to_string(i + 1));
        w.WriteString(s.Sentence, "Sentence");
        w.WriteString(s.Category, "Category");
        w.WriteInt32(static_cast<int32_t>(s.AreaTypes));
        w.WriteString(s.Desc, "Desc");
    }
    return w.TakeBytes();
}

bool SaveSentences(const std::string& fileName, TSentenceList& db)
{
    SaveFileAtomically(fileName, DeflateBytes(SentencesToInflatedBytes(db)));
    db.Modified = false;
    return true;
}

int LoadSentencesFromCompressed(const std::string& compressed, TSentenceList& db, const TLoadLimits& limits)
{
    CheckFileSize(compressed.size(), limits);
    const int version = ReadSentences(compressed, limits, db);
    db.Modified = false;
    return version;
}

int LoadSentences(const std::string& fileName, TSentenceList& db)
{
    std::string compressed;
    if (!TryReadWholeFile(fileName, compressed))
        return -1;
    const int version = LoadSentencesFromCompressed(compressed, db);
    db.FileName = fileName;
    return version;
}

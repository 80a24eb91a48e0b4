// Any bytes as a sentence database: the loader may reject them, but must not crash, hang or
// allocate without bound. The first byte chooses whether the rest is the compressed file or
// the content to compress first, so that the parser behind zlib is reached too. Whatever
// loads must save and load again to the same database.
#include "files/sentencefile.h"
#include "files/zstream.h"
#include "kberror.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        bytes = DeflateBytes(bytes);
    TSentenceList db;
    try {
        LoadSentencesFromCompressed(bytes, db);
    } catch (const EKbError&) {
        return 0;
    }
    TSentenceList again;
    LoadSentencesFromCompressed(DeflateBytes(SentencesToInflatedBytes(db)), again);
    if (again.Count() != db.Count() || again.SortColumn != db.SortColumn || again.SortAscending != db.SortAscending)
        std::abort();
    for (int i = 0; i < db.Count(); ++i)
        if (!(again[i] == db[i]))
            std::abort();
    return 0;
}

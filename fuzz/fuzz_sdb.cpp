// Any bytes as a sentence database (see databaseroundtrip.h).
#include "databaseroundtrip.h"
#include "files/sentencefile.h"
#include "fuzzlimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzDatabaseRoundTrip<TSentenceList>(
        data, size, [](const std::string& b, TSentenceList& db) { LoadSentencesFromCompressed(b, db, FuzzLimits); },
        SentencesToInflatedBytes);
}

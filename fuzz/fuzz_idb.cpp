// Any bytes as an item database (see databaseroundtrip.h).
#include "databaseroundtrip.h"
#include "files/itemfile.h"
#include "fuzzlimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzDatabaseRoundTrip<TItemList>(
        data, size, [](const std::string& b, TItemList& db) { LoadItemsFromCompressed(b, db, FuzzLimits); },
        ItemsToInflatedBytes);
}

#pragma once
// Shared body of the database fuzz targets: any bytes as a database file; the loader may
// reject them, but must not crash, hang or allocate without bound. The first byte chooses
// whether the rest is the compressed file or the content to compress first, so that the
// parser behind zlib is reached too. Whatever loads must save and load again unchanged.
#include "files/zstream.h"
#include "kberror.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

template <class List, class Load, class ToBytes>
int FuzzDatabaseRoundTrip(const uint8_t* data, size_t size, Load load, ToBytes toBytes)
{
    if (size == 0)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        bytes = DeflateBytes(bytes);
    List db;
    try {
        load(bytes, db);
    } catch (const EKbError&) {
        return 0;
    }
    List again;
    load(DeflateBytes(toBytes(db)), again);
    if (again.Count() != db.Count() || again.SortColumn != db.SortColumn || again.SortAscending != db.SortAscending)
        std::abort();
    for (int i = 0; i < db.Count(); ++i)
        if (!(again[i] == db[i]))
            std::abort();
    return 0;
}

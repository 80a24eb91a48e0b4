#pragma once
// The item database file (.idb): one zlib stream; written as version 1, read from 0 and 1.
#include "db/itemlist.h"

#include "files/loadlimits.h"

#include <string>

constexpr int ItemFileVersion = 1;
extern const char* const ItemFileSignature;         // "Kesterbrandor Item DB - Kaj"
extern const char* const ItemFileBadFormatMessage;  // "Bad File Format"
extern const char* const ItemFileBadVersionMessage; // "Incorrect version of file"

// Appends the file's items in stored order, takes the sort settings, sets FileName and clears
// Modified. Version 0 items carry only ID, synonyms and description. A file that cannot be
// opened changes nothing and returns -1; otherwise returns the version read. A wrong
// signature or version raises its message before anything is added; damaged data raises its
// error with the items read so far kept and FileName unchanged.
int LoadItems(const std::string& fileName, TItemList& db);
// Writes safely (the old file survives any failure); Modified is the caller's.
bool SaveItems(const std::string& fileName, const TItemList& db);

std::string ItemsToInflatedBytes(const TItemList& db);
// Reads a whole compressed file image (clears Modified, leaves FileName).
int LoadItemsFromCompressed(const std::string& compressed, TItemList& db, const TLoadLimits& limits = {});

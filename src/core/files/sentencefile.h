#pragma once
// The sentence database file (.sdb): one zlib stream; written as version 2, read from 0 to 2.
#include "db/sentencelist.h"

#include "files/loadlimits.h"

#include <string>

constexpr int SentenceFileVersion = 2;
extern const char* const SentenceFileSignature; // "Kesterbrandor Sentence DB - Kaj"

// Appends the file's sentences in stored order and, from version 2, takes the sort settings
// (without applying them); then clears Modified and sets FileName. A file that cannot be
// opened changes nothing and returns -1; otherwise returns the version read. A wrong file
// raises BadFormatMessage before anything is added; damaged data raises its error with the
// sentences read so far kept and FileName unchanged.
int LoadSentences(const std::string& fileName, TSentenceList& db);
// Writes safely (the old file survives any failure), then clears Modified.
bool SaveSentences(const std::string& fileName, TSentenceList& db);

// The same on bytes: the inflated content, and reading a whole compressed file image
// (clears Modified, leaves FileName).
std::string SentencesToInflatedBytes(const TSentenceList& db);
int LoadSentencesFromCompressed(const std::string& compressed, TSentenceList& db, const TLoadLimits& limits = {});

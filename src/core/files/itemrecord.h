#pragma once
// The item record, shared by the area file and the item database file.
#include "files/bytestream.h"
#include "model/item.h"

void WriteItemRecord(TByteWriter& w, const TItem& item);
// withSenses: the five lists after Description are present (area files from version 11,
// item databases from version 1).
void ReadItemRecord(TByteReader& r, TItem& item, bool withSenses);

// Smallest possible size of a stored item, for checking counts against the data left.
constexpr int MinItemRecordSize(bool withSenses) { return withSenses ? 32 : 12; }

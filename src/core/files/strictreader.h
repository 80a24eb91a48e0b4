#pragma once
// The reader of the database files. A valid file is never read past its end, so doing so
// means damage or truncation and raises an error: a cut-off database is reported rather
// than loaded with blank entries.
#include "files/bytestream.h"
#include "files/zstream.h"

extern const char* const TruncatedFileMessage;

// The reader keeps a reference to inflated.Data.
TByteReader StrictReader(const TInflateResult& inflated);

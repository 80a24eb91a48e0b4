#pragma once
// A recovery copy: a document's compressed file image with the file it belongs to and the
// time it was taken, so that the editor can offer it after a crash.
#include <cstdint>
#include <string>

struct TRecoveryCopy {
    std::string FileName;   // the document's file name at the time (its default when never saved)
    int64_t TakenAt = 0;    // seconds since 1970 (UTC)
    std::string Compressed; // the document as its own file writer stores it
};

// The bytes of a recovery file.
std::string RecoveryCopyBytes(const TRecoveryCopy& copy);
// Reads a recovery file's bytes; a cut or foreign file raises EKbError.
TRecoveryCopy ParseRecoveryCopy(const std::string& bytes);

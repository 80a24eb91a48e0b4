#pragma once
// Whole-buffer zlib framing of the data files.
#include <string>

// Deflate at the default level (window 15, memory level 8, default strategy).
std::string DeflateBytes(const std::string& raw);

struct TInflateResult {
    std::string Data;       // everything that could be inflated
    bool Damaged = false;   // the compressed data was corrupt after Data
    std::string Message;    // the decompression error, when Damaged
};

// Inflates as far as the stream allows. A stream that simply stops early is not damaged;
// output beyond maxOutput counts as damaged so that no input can exhaust memory.
TInflateResult InflateBytes(const std::string& compressed, size_t maxOutput = size_t(1) << 31);

// After a loader has read everything it needs: a stream that was damaged (a failed check at
// the end included) cannot be trusted, so its error is raised.
void ThrowIfDamaged(const TInflateResult& inflated);

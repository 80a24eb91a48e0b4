#pragma once
// How much a loader takes in: far above any real area or database, low enough that a crafted
// file (a zlib "bomb", a device) cannot exhaust memory. Tests and fuzz targets pass smaller ones.
#include <cstddef>
#include <string>

// The most cells a side of the grid may have: far beyond any area drawn by hand, small enough
// that the editor can show and walk the whole map. A larger Width or Height is a damaged file,
// and nothing that writes areas writes one.
constexpr int MaxGridCells = 65535;

struct TLoadLimits {
    // The file as stored (compressed).
    size_t MaxFileBytes = size_t(256) << 20;
    // Its content once inflated, each text line and record also counted at its size in memory,
    // so that what a load builds stays within a small factor of this.
    size_t MaxContentBytes = size_t(1) << 30;
};

// "256 MiB", "1 GiB", for the messages that name a limit.
std::string SizeText(size_t bytes);
// Refuses a compressed image over the file limit.
void CheckFileSize(size_t bytes, const TLoadLimits& limits);

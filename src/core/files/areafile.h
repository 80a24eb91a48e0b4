#pragma once
// The area file (.arf): one zlib stream; written as version 15, read from versions 0 to 15.
#include "files/loadlimits.h"
#include "model/roomlist.h"

#include <functional>
#include <string>

constexpr int AreaFileVersion = 15;
extern const char* const AreaFileSignature; // "Kesterbrandor - Kaj"
extern const char* const BadFormatMessage;  // "Špatný formát souboru"

// Writes the area safely (the old file survives any failure). Strings over 65535 bytes are
// refused before the file is touched. Does not change Modified.
bool SaveArea(const std::string& fileName, const TRoomList& area);
// Reads into an area the caller has cleared; returns the file's version. A damaged or cut-off
// file raises its error, the rooms read before it staying in the area.
int LoadArea(const std::string& fileName, TRoomList& area);

// The same on bytes: the inflated content, and reading from a whole compressed file image.
std::string AreaToInflatedBytes(const TRoomList& area);
int LoadAreaFromCompressed(const std::string& compressed, TRoomList& area, const TLoadLimits& limits = {});

// Reads a whole compressed file image as loading does, but hands each room to onRoom in file
// order, numbered as loading numbers it, instead of keeping it: memory holds one room. The
// area gets every other field; it keeps no rooms.
using TAreaRoomSink = std::function<void(const TRoom& room)>;
int ReadAreaRoomByRoom(const std::string& compressed, TRoomList& area, const TAreaRoomSink& onRoom,
                       const TLoadLimits& limits = {});

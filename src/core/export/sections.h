#pragma once
// One generator per section of a room file. Each writes whole lines (none of its own
// blank lines around them); both export layouts call them.
#include "export/codewriter.h"
#include "export/exportcontext.h"
#include "model/room.h"

// Item fields of the five sense blocks, in their order of the default template.
enum TSense { snListen = 1, snSmell = 2, snTouch = 3, snSearch = 4, snRead = 5 };
const char* SenseCall(TSense sense); // SetListen ...

void WriteAreaNameSection(TCodeWriter& out);
// SetAreaType with the constant name (constantForm) or the value text.
void WriteAreaTypeSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room, bool constantForm);
// The three light calls with constant names or with the levels.
void WriteLightsSection(TCodeWriter& out, const TRoom& room, bool constantForm);
void WriteShortSection(TCodeWriter& out, const TRoom& room);
void WriteLongSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room);
void WriteItemsSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room);
// Items with equal texts share one entry; nothing when no item has a text.
void WriteSenseSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room, TSense sense);
void WriteObviousExitsSection(TCodeWriter& out, const TRoom& room);
void WriteExitsSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room);
void WriteEntersSection(TCodeWriter& out, const TExportContext& ctx, const TRoom& room);

// Any bytes as the JSON of the command line's build: it may be refused, but what is accepted
// must load back as built. The dump of the loaded file equals the dump of the built area;
// a difference is a crash the fuzzer keeps.
#include "cli/areajson.h"
#include "cli/textcodec.h"
#include "files/areafile.h"
#include "files/loadablesave.h"
#include "files/zstream.h"
#include "fuzzlimits.h"
#include "kberror.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>

namespace {
std::string Dump(TRoomList& area, const TTextCodec& codec)
{
    area.FileName.clear(); // the file does not store it
    std::ostringstream out;
    TAreaJsonWriter writer(out, area, AreaFileVersion, codec);
    for (int i = 0; i < area.Count(); ++i)
        writer.Room(std::as_const(area)[i]);
    writer.Finish(area.DefaultRooms);
    return out.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TTextCodec codec("windows-1250");
    const std::string text(reinterpret_cast<const char*>(data), size);
    TRoomList built(0, 0);
    std::string compressed;
    try {
        // The steps of build, up to the file image.
        AreaFromJsonText(text, "fuzz.json", built, codec);
        while (built.DefaultRooms.Count() < 10)
            built.DefaultRooms.Add(std::make_unique<TRoom>());
        NumberRoomsForSaving(built);
        compressed = DeflateBytes(AreaToInflatedBytes(built));
    } catch (const EKbError&) {
        return 0;
    }
    TRoomList loaded(0, 0);
    try {
        LoadAreaFromCompressed(compressed, loaded, FuzzLimits);
    } catch (const EKbError&) {
        return 0; // build refuses it: what its loader refuses is not written
    }
    if (Dump(loaded, codec) != Dump(built, codec)) {
        std::fputs("the area loaded from the built file differs from the area built\n", stderr);
        std::abort();
    }
    return 0;
}

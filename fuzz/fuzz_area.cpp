// Any bytes as an area file: the loader may reject them, but must not crash, hang or
// allocate beyond its limits. The first byte chooses whether the rest is the compressed file
// itself or the inflated content (deflated here), so that the parser is reached often.
#include "files/areafile.h"
#include "files/zstream.h"
#include "fuzzlimits.h"
#include "kberror.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    TRoomList area(0, 0);
    try {
        LoadAreaFromCompressed((data[0] & 1) ? DeflateBytes(rest) : rest, area, FuzzLimits);
    } catch (const EKbError&) {
    }
    return 0;
}

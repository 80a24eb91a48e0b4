// Any bytes as an area file: the loader may reject them, but must not crash, hang or
// allocate without bound.
#include "files/areafile.h"
#include "kberror.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TRoomList area(0, 0);
    try {
        LoadAreaFromCompressed(bytes, area);
    } catch (const EKbError&) {
    }
    return 0;
}

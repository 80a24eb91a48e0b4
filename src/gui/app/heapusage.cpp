#include "gui/app/heapusage.h"

#include <cstddef>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

long long HeapBytesInUse()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    // Small blocks plus the large ones served by mmap.
    return static_cast<long long>(info.uordblks) + static_cast<long long>(info.hblkhd);
#else
    return -1;
#endif
}

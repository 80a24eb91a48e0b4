#pragma once
// Bytes currently allocated by the program's heap, or -1 where the platform cannot tell.
long long HeapBytesInUse();

#include "document/freed_memory.h"

#include <cstdlib> // tells whether the C library is glibc
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tgx {

void releaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace tgx

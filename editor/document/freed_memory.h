#pragma once

namespace tgx {

// Gives the memory freed on the heap back to the system. The C library
// keeps freed memory for later; after a command that replaced a large part
// of a large document, what it keeps lies in holes between the lines still
// in use, and each such command would leave the program larger.
void releaseFreedMemory();

} // namespace tgx

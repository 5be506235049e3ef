#include "platform/StartUp.h"

#include <fcntl.h>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

namespace {

// A run reads a source file into one large buffer, frees it and then builds the
// output in others of a similar size. The C library would map each of them from
// the system and unmap it again, so every run faults its pages in afresh; kept
// in the heap, a freed buffer's pages serve the next one.
void keepLargeBuffersInTheHeap() {
#if defined(__GLIBC__)
  constexpr int LARGEST_HEAP_BLOCK = 64 * 1024 * 1024;
  mallopt(M_MMAP_THRESHOLD, LARGEST_HEAP_BLOCK);
  mallopt(M_TRIM_THRESHOLD, LARGEST_HEAP_BLOCK);
#endif
}

}  // namespace

bool startUp() {
  keepLargeBuffersInTheHeap();
  return fcntl(STDOUT_FILENO, F_GETFD) != -1;
}

}  // namespace platform

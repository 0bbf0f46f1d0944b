#include "HeapMeter.h"

#include <malloc.h>

// glibc's own entry points: this program's malloc and kin count, then pass on to them. The benchmark
// runs on one thread.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

std::size_t inUse = 0, peak = 0;

void* Counted(void* block) {
    if (block) {
        inUse += malloc_usable_size(block);
        if (inUse > peak) peak = inUse;
    }
    return block;
}

void Uncount(void* block) {
    if (block) inUse -= malloc_usable_size(block);
}

}  // namespace

std::size_t HeapInUse() { return inUse; }
std::size_t HeapPeak() { return peak; }
void ResetHeapPeak() { peak = inUse; }

extern "C" {

void* malloc(std::size_t size) { return Counted(__libc_malloc(size)); }
void* calloc(std::size_t count, std::size_t size) { return Counted(__libc_calloc(count, size)); }
void free(void* block) {
    Uncount(block);
    __libc_free(block);
}
void* realloc(void* block, std::size_t size) {
    Uncount(block);
    void* moved = __libc_realloc(block, size);
    // A failed realloc leaves the old block in place.
    return Counted(moved ? moved : (size ? block : nullptr));
}
void* memalign(std::size_t alignment, std::size_t size) { return Counted(__libc_memalign(alignment, size)); }
void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }
int posix_memalign(void** block, std::size_t alignment, std::size_t size) {
    *block = memalign(alignment, size);
    return *block ? 0 : 12;  // ENOMEM
}

}  // extern "C"

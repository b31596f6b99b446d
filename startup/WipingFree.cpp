// The C library's free and realloc, replaced in each of the three programs
// so that every block is zeroed before it goes back to the allocator. On
// its way to the screen and the clipboard Qt copies a password (text
// layouts, a paste's conversion) and frees the copies as they were; zeroed
// here, none of them outlives its use in freed memory, where a core dump,
// swap or a hibernation image could pick it up. Blocks in use are the
// program's own to wipe.
#include <QtGlobal>

#if defined(__GLIBC__)
#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <malloc.h>
#include <string.h>

// A sanitizer's allocator, where one stands in front of the C library's: it
// knows its own blocks, and this file is built without it. (GCC ships no
// header for these.)
extern "C" int __sanitizer_get_ownership(const volatile void *block) __attribute__((weak));
extern "C" size_t __sanitizer_get_allocated_size(const volatile void *block) __attribute__((weak));

namespace {

thread_local bool t_lookingUp = false;

// The allocator's own function behind this one: the C library's, or a
// sanitizer's that stands in front of it. Null while it is being looked
// up, which may itself free.
template <typename Function> Function allocators(std::atomic<Function> &slot, const char *name)
{
    Function found = slot.load(std::memory_order_acquire);
    if (found || t_lookingUp)
        return found;
    t_lookingUp = true;
    found = reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
    t_lookingUp = false;
    slot.store(found, std::memory_order_release);
    return found;
}

std::atomic<void (*)(void *)> g_free{nullptr};
std::atomic<void *(*)(void *, size_t)> g_realloc{nullptr};

// The bytes a block holds; none for one the allocator does not know (a
// sanitizer's own, made while it starts).
size_t usableSize(void *block)
{
    if (__sanitizer_get_ownership)
        return __sanitizer_get_ownership(block) ? __sanitizer_get_allocated_size(block) : 0;
    return malloc_usable_size(block);
}

} // namespace

extern "C" {

void free(void *block)
{
    if (!block)
        return;
    explicit_bzero(block, usableSize(block));
    if (auto allocatorFree = allocators(g_free, "free"))
        allocatorFree(block); // (what the lookup freed is kept)
}

// Grows by moving to a new block, never in place, so that the old one is
// zeroed too; a block that already has the room stays where it is.
void *realloc(void *block, size_t size)
{
    if (!block)
        return malloc(size);
    const size_t usable = usableSize(block);
    if (usable == 0) {
        auto allocatorRealloc = allocators(g_realloc, "realloc");
        return allocatorRealloc ? allocatorRealloc(block, size) : nullptr;
    }
    if (size == 0) {
        free(block);
        return nullptr;
    }
    if (size <= usable)
        return block;
    void *moved = malloc(size);
    if (!moved)
        return nullptr;
    std::memcpy(moved, block, usable);
    free(block);
    return moved;
}

} // extern "C"
#endif

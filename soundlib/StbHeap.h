/* The heap stb_vorbis allocates from: zeroed blocks, drawn from a budget the opening decoder sets. */
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* NULL when no budget is set on this thread or the request does not fit the one that is. */
void* soundlib_stb_malloc(size_t size);
void soundlib_stb_free(void* block);

#ifdef __cplusplus
}

#include <cstddef>
#include <unordered_set>

namespace soundlib {

// While alive, stb_vorbis's allocations on this thread draw from `bytes`; frees never give back,
// as stb only allocates while it opens a file. A failed open leaks blocks in stb (some error paths
// skip its cleanup): they stay owned here until the open succeeds.
class StbHeapBudget {
public:
    explicit StbHeapBudget(std::size_t bytes);
    // Frees what stb allocated and has not freed, unless Keep() handed it over.
    ~StbHeapBudget();
    // The blocks now belong to an open stb_vorbis, which frees them when it is closed.
    void Keep() { m_blocks.clear(); }
    StbHeapBudget(const StbHeapBudget&) = delete;
    StbHeapBudget& operator=(const StbHeapBudget&) = delete;

    // A request was refused for the budget (the file's fault), not by the platform.
    bool Exceeded() const { return m_exceeded; }

private:
    friend void* ::soundlib_stb_malloc(std::size_t size);
    friend void ::soundlib_stb_free(void* block);

    std::unordered_set<void*> m_blocks;
    std::size_t m_left;
    bool m_exceeded = false;
    StbHeapBudget* m_outer;
};

}  // namespace soundlib
#endif

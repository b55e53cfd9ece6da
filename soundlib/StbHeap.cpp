// stb_vorbis's allocations, bounded per open and zeroed.
#include "soundlib/StbHeap.h"

#include <cstdlib>

namespace soundlib {
namespace {

thread_local StbHeapBudget* t_budget = nullptr;

}  // namespace

StbHeapBudget::StbHeapBudget(std::size_t bytes) : m_left(bytes), m_outer(t_budget)
{
    t_budget = this;
}

StbHeapBudget::~StbHeapBudget()
{
    t_budget = m_outer;
    for (void* block : m_blocks) std::free(block);
}

}  // namespace soundlib

extern "C" void* soundlib_stb_malloc(std::size_t size)
{
    soundlib::StbHeapBudget* budget = soundlib::t_budget;
    if (budget == nullptr) return nullptr;
    // stb passes its int sizes through unchecked: a negative one arrives here as a huge size_t.
    if (size > budget->m_left) {
        budget->m_exceeded = true;
        return nullptr;
    }
    // Zeroed, because stb frees every slot of an array it failed to fill (its comment list).
    void* block = std::calloc(1, size != 0 ? size : 1);
    if (block == nullptr) return nullptr;
    // No exception may cross stb's C frames.
    try {
        budget->m_blocks.insert(block);
    } catch (...) {
        std::free(block);
        return nullptr;
    }
    budget->m_left -= size;
    return block;
}

extern "C" void soundlib_stb_free(void* block)
{
    if (soundlib::StbHeapBudget* budget = soundlib::t_budget) budget->m_blocks.erase(block);
    std::free(block);
}

// Which channel numbers are taken by playing streams.
#pragma once

#include <vector>

namespace soundlib {

class ChannelTable {
public:
    explicit ChannelTable(int count = 0) : m_owners(count > 0 ? count : 0, nullptr) {}

    enum class Claim { Ok, NoneFree, OutOfRange, Taken };

    // `wanted` -1 takes the lowest free channel; a taken channel stays with its owner.
    Claim Take(int wanted, const void* owner, int& channel);
    void Release(const void* owner);
    int Count() const { return static_cast<int>(m_owners.size()); }
    int Owned() const;

private:
    std::vector<const void*> m_owners;
};

}  // namespace soundlib

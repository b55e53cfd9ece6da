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

// A channel just taken, given back when the work it was taken for fails, by any way out.
class ChannelClaim {
public:
    ChannelClaim(ChannelTable& table, const void* owner) : m_table(table), m_owner(owner) {}
    ~ChannelClaim()
    {
        if (m_owner) m_table.Release(m_owner);
    }
    ChannelClaim(const ChannelClaim&) = delete;
    ChannelClaim& operator=(const ChannelClaim&) = delete;

    void Keep() { m_owner = nullptr; }

private:
    ChannelTable& m_table;
    const void* m_owner;
};

}  // namespace soundlib

// Channel claims and releases.
#include "soundlib/ChannelTable.h"

namespace soundlib {

ChannelTable::Claim ChannelTable::Take(int wanted, const void* owner, int& channel)
{
    channel = -1;
    if (wanted < 0) {
        for (int i = 0; i < Count(); ++i) {
            if (m_owners[i] == nullptr) {
                m_owners[i] = owner;
                channel = i;
                return Claim::Ok;
            }
        }
        return Claim::NoneFree;
    }
    if (wanted >= Count()) return Claim::OutOfRange;
    if (m_owners[wanted] != nullptr && m_owners[wanted] != owner) return Claim::Taken;
    m_owners[wanted] = owner;
    channel = wanted;
    return Claim::Ok;
}

void ChannelTable::Release(const void* owner)
{
    for (const void*& slot : m_owners) {
        if (slot == owner) slot = nullptr;
    }
}

int ChannelTable::Owned() const
{
    int owned = 0;
    for (const void* slot : m_owners) {
        if (slot != nullptr) ++owned;
    }
    return owned;
}

}  // namespace soundlib

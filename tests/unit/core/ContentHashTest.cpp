// The content hash a restore tells a file the game changed by: xxHash32, however the bytes arrive.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "install/ContentHash.h"

namespace {

std::uint32_t HashOf(const std::string& bytes, std::size_t piece)
{
    CContentHash hash;
    for (std::size_t at = 0; at < bytes.size(); at += piece) hash.Add(bytes.data() + at, std::min(piece, bytes.size() - at));
    return hash.Value();
}

}  // namespace

TEST(ContentHash, IsXxHash32HoweverTheBytesArriveInChunks)
{
    // Reference values from Debian's python3-xxhash.
    std::string long_;
    for (int i = 0; i < 5; ++i) {
        for (int b = 0; b < 256; ++b) long_ += static_cast<char>(b);
    }
    long_ += "xyz";
    const struct {
        std::string bytes;
        std::uint32_t hash;
    } cases[] = {{"", 0x02CC5D05u}, {"a", 0x550D7456u}, {"abc", 0x32D153FFu}, {long_, 0x8191A0B0u}};
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{16}, std::size_t{4096}}) {
            EXPECT_EQ(HashOf(c.bytes, piece), c.hash) << c.bytes.size() << " bytes in pieces of " << piece;
        }
    }
}

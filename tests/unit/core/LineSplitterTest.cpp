// The line rules: LF, CR LF, the end mark 0x1A (tested here only), a last line without an end, no length limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/LineChunks.h"

using Lines = std::vector<std::string>;

TEST(LineRules, Table)
{
    struct Case {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"\r\n", {""}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\rb\n", {"a\rb"}},
        {"a\r", {"a\r"}},
        {"a\r\r\n", {"a\r"}},
        {"a\nb\x1A" "c\nd\n", {"a", "b"}},
        {"\x1A" "a\n", {}},
        {"a\n\x1A", {"a"}},
        {"a\r\x1A", {"a\r"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        for (std::size_t chunk : {1u, 2u, 7u, 4096u}) {
            EXPECT_EQ(LinesInChunks(c.bytes, [chunk](std::size_t) { return chunk; }), c.lines)
                << "input of " << c.bytes.size() << " bytes, chunk " << chunk;
        }
    }
}

TEST(LineRules, LinesHaveNoLengthLimit)
{
    const std::string longLine(3 * 1024 * 1024, 'x');
    const Lines lines = LinesInChunks(longLine + "\r\n" + longLine, [](std::size_t) { return 65536; });
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), longLine.size());
    EXPECT_EQ(lines[1].size(), longLine.size());
}

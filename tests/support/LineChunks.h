// The lines of some bytes as the text-file reader gets them: fed to the line splitter in chunks,
// finished at the end, taken until the splitter says it is at its end. Shared by the line rules'
// table and the fuzz target, which lets its input choose the chunk sizes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "framework/LineSplitter.h"

// chunkAt(offset) gives the size of the chunk that starts at that offset (at least 1).
template <class ChunkAt>
std::vector<std::string> LinesInChunks(const std::string& bytes, ChunkAt chunkAt)
{
    CLineSplitter splitter;
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (CString line; !splitter.AtEnd();) {
        if (splitter.NextLine(line)) {
            lines.push_back(line.Bytes());
        } else if (at == bytes.size()) {
            splitter.Finish();
        } else {
            const std::size_t n = std::min<std::size_t>(chunkAt(at), bytes.size() - at);
            // After an end mark nothing more is read.
            at = splitter.Feed(bytes.data() + at, n) < n ? bytes.size() : at + n;
        }
    }
    return lines;
}

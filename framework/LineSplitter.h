// CLineSplitter: the line rules of the companion text files, over bytes fed in chunks.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "framework/String.h"

// A line ends at LF; a CR directly before that LF goes with it, any other CR stays.
// A byte 0x1A ends the text. The last line needs no line end, and a line end at the
// very end does not start another, empty line. Lines have no length limit.
class CLineSplitter {
public:
    // Takes the next chunk. Returns the number of bytes consumed; less than length
    // only when a 0x1A ended the text inside the chunk.
    std::size_t Feed(const char* data, std::size_t length);

    // No more bytes will come (end of file).
    void Finish();

    // Takes the next complete line, if any.
    bool NextLine(CString& line);

    // True once 0x1A was seen or Finish was called, and every line has been taken.
    bool AtEnd() const;

private:
    void Complete();

    std::string m_pending;           // bytes of the unfinished line
    std::deque<std::string> m_ready; // complete lines, oldest first
    bool m_finished = false;
};

// CLineSplitter: splits bytes into lines by the companion files' line rules.
#include "LineSplitter.h"

#include <cstring>

namespace {
const char kLineFeed = '\n';
const char kCarriageReturn = '\r';
const char kEndOfText = '\x1A';
}  // namespace

std::size_t CLineSplitter::Feed(const char* data, std::size_t length)
{
    if (m_finished) return 0;
    std::size_t pos = 0;
    while (pos < length) {
        const char* start = data + pos;
        const std::size_t rest = length - pos;
        const void* lf = std::memchr(start, kLineFeed, rest);
        const void* eot = std::memchr(start, kEndOfText, rest);
        const char* stop = static_cast<const char*>(lf);
        bool endMark = false;
        if (eot && (!lf || eot < lf)) {
            stop = static_cast<const char*>(eot);
            endMark = true;
        }
        if (!stop) {
            m_pending.append(start, rest);
            return length;
        }
        m_pending.append(start, static_cast<std::size_t>(stop - start));
        pos += static_cast<std::size_t>(stop - start) + 1;
        if (endMark) {
            m_endMark = true;
            Finish();
            return pos;
        }
        if (!m_pending.empty() && m_pending.back() == kCarriageReturn) m_pending.pop_back();
        Complete();
    }
    return length;
}

void CLineSplitter::Finish()
{
    if (m_finished) return;
    m_finished = true;
    if (!m_pending.empty()) Complete();
}

void CLineSplitter::Complete()
{
    m_ready.push_back(std::move(m_pending));
    m_pending.clear();
}

bool CLineSplitter::NextLine(CString& line)
{
    if (m_ready.empty()) return false;
    line = CString(m_ready.front());
    m_ready.pop_front();
    return true;
}

bool CLineSplitter::AtEnd() const
{
    return m_finished && m_ready.empty();
}

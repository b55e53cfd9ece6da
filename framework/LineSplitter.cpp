// CLineSplitter: splits bytes into lines by the companion files' line rules.
#include "framework/LineSplitter.h"

#include <cstring>
#include <utility>

namespace {
const char kLineFeed = '\n';
const char kCarriageReturn = '\r';
const char kEndOfText = '\x1A';
}  // namespace

std::size_t CLineSplitter::Feed(const char* data, std::size_t length)
{
    if (m_finished) return 0;
    // Only the bytes before an end mark count; it is looked for once per chunk.
    const void* mark = std::memchr(data, kEndOfText, length);
    const std::size_t usable = mark ? static_cast<std::size_t>(static_cast<const char*>(mark) - data) : length;
    std::size_t pos = 0;
    while (pos < usable) {
        const void* lf = std::memchr(data + pos, kLineFeed, usable - pos);
        if (!lf) {
            m_pending.append(data + pos, usable - pos);
            break;
        }
        const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - data);
        if (m_pending.empty()) {
            // The whole line lies in this chunk: built once, in place.
            const std::size_t cut = (end > pos && data[end - 1] == kCarriageReturn) ? 1 : 0;
            m_ready.emplace_back(data + pos, end - pos - cut);
        } else {
            m_pending.append(data + pos, end - pos);
            if (m_pending.back() == kCarriageReturn) m_pending.pop_back();
            Complete();
        }
        pos = end + 1;
    }
    if (!mark) return length;
    Finish();
    return usable + 1;
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
    line = CString(std::move(m_ready.front()));
    m_ready.pop_front();
    return true;
}

bool CLineSplitter::AtEnd() const
{
    return m_finished && m_ready.empty();
}

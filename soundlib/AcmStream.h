// An Audio Compression Manager conversion stream with its one prepared header.
#pragma once

#include <windows.h>
#include <mmreg.h>
#include <msacm.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundlib {

class AcmStream {
public:
    // Opens a conversion that takes up to `sourceBytes` at a time, or leaves IsOpen() false.
    AcmStream(const WAVEFORMATEX& from, const WAVEFORMATEX& to, std::size_t sourceBytes, std::size_t outputBytes);
    ~AcmStream();
    AcmStream(const AcmStream&) = delete;
    AcmStream& operator=(const AcmStream&) = delete;

    bool IsOpen() const { return m_prepared; }

    // Room for the next input, after what the codec left unconsumed.
    std::uint8_t* FreeSource() { return m_source.data() + m_sourceBytes; }
    std::size_t FreeSourceBytes() const { return m_source.size() - m_sourceBytes; }
    void SourceAdded(std::size_t bytes) { m_sourceBytes += bytes; }
    std::size_t PendingSourceBytes() const { return m_sourceBytes; }

    // Converts the pending input; `last` also drains what the codec holds back. False on a codec failure.
    bool Convert(bool last);

    const std::uint8_t* Output() const { return m_output.data(); }
    std::size_t OutputBytes() const { return m_header.cbDstLengthUsed; }
    std::size_t ConsumedBytes() const { return m_consumed; }

private:
    HACMSTREAM m_stream = nullptr;
    ACMSTREAMHEADER m_header{};
    std::vector<std::uint8_t> m_source;
    std::vector<std::uint8_t> m_output;
    std::size_t m_sourceBytes = 0;
    std::size_t m_consumed = 0;
    bool m_prepared = false;
    bool m_started = false;
};

}  // namespace soundlib

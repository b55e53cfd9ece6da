// An Audio Compression Manager conversion stream with its one prepared header.
#pragma once

#include <windows.h>
#include <mmreg.h>
#include <msacm.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include "soundlib/PcmCodec.h"
#include "soundlib/SystemSound.h"

namespace soundlib {

class AcmStream : public PcmCodec {
public:
    // Opens a conversion that takes up to `sourceBytes` at a time; null when the system cannot convert.
    static std::unique_ptr<AcmStream> Open(const WAVEFORMATEX& from, const WAVEFORMATEX& to, std::size_t sourceBytes,
                                           std::size_t outputBytes);
    ~AcmStream() override;
    AcmStream(const AcmStream&) = delete;
    AcmStream& operator=(const AcmStream&) = delete;

    std::uint8_t* FreeSource() override { return m_source.data() + m_sourceBytes; }
    std::size_t FreeSourceBytes() const override { return m_source.size() - m_sourceBytes; }
    void SourceAdded(std::size_t bytes) override { m_sourceBytes += bytes; }
    bool Convert(bool last) override;

    const std::uint8_t* Output() const override { return m_output.data(); }
    std::size_t OutputBytes() const override { return m_header.cbDstLengthUsed; }
    std::size_t ConsumedBytes() const override { return m_consumed; }

private:
    struct CloseStream {
        void operator()(HACMSTREAM stream) const { Platform().acmStreamClose(stream, 0); }
    };
    // Owned from the moment it is opened, so an exception while the buffers are made still closes it.
    using StreamOwner = std::unique_ptr<std::remove_pointer<HACMSTREAM>::type, CloseStream>;

    AcmStream(StreamOwner stream, std::size_t sourceBytes, std::size_t outputBytes);

    StreamOwner m_stream;
    ACMSTREAMHEADER m_header{};
    std::vector<std::uint8_t> m_source;
    std::vector<std::uint8_t> m_output;
    std::size_t m_sourceBytes = 0;
    std::size_t m_consumed = 0;
    bool m_prepared = false;
    bool m_started = false;
};

}  // namespace soundlib

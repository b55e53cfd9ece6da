// acmStreamOpen/Prepare/Convert with the unconsumed input carried over between calls.
#include "soundlib/AcmStream.h"

#include <cstring>

namespace soundlib {

std::unique_ptr<AcmStream> AcmStream::Open(const WAVEFORMATEX& from, const WAVEFORMATEX& to, std::size_t sourceBytes,
                                           std::size_t outputBytes)
{
    HACMSTREAM opened = nullptr;
    if (Platform().acmStreamOpen(&opened, nullptr, const_cast<WAVEFORMATEX*>(&from), const_cast<WAVEFORMATEX*>(&to), nullptr, 0,
                        0, ACM_STREAMOPENF_NONREALTIME) != MMSYSERR_NOERROR) {
        return nullptr;
    }
    StreamOwner stream(opened);
    // The codec's own estimate wins when it asks for more room than the caller's bound.
    DWORD suggested = 0;
    if (Platform().acmStreamSize(stream.get(), static_cast<DWORD>(sourceBytes), &suggested, ACM_STREAMSIZEF_SOURCE) ==
            MMSYSERR_NOERROR &&
        suggested > outputBytes) {
        outputBytes = suggested;
    }
    std::unique_ptr<AcmStream> acm(new AcmStream(std::move(stream), sourceBytes, outputBytes));
    if (!acm->m_prepared) return nullptr;
    return acm;
}

AcmStream::AcmStream(StreamOwner stream, std::size_t sourceBytes, std::size_t outputBytes)
    : m_stream(std::move(stream)), m_source(sourceBytes), m_output(outputBytes)
{
    m_header.cbStruct = sizeof m_header;
    m_header.pbSrc = m_source.data();
    m_header.cbSrcLength = static_cast<DWORD>(m_source.size());
    m_header.pbDst = m_output.data();
    m_header.cbDstLength = static_cast<DWORD>(m_output.size());
    m_prepared = Platform().acmStreamPrepareHeader(m_stream.get(), &m_header, 0) == MMSYSERR_NOERROR;
}

AcmStream::~AcmStream()
{
    if (!m_prepared) return;
    // Unprepare checks the lengths it prepared with.
    m_header.cbSrcLength = static_cast<DWORD>(m_source.size());
    m_header.cbDstLength = static_cast<DWORD>(m_output.size());
    Platform().acmStreamUnprepareHeader(m_stream.get(), &m_header, 0);
}

bool AcmStream::Convert(bool last)
{
    m_header.cbSrcLength = static_cast<DWORD>(m_sourceBytes);
    m_header.cbSrcLengthUsed = 0;
    m_header.cbDstLengthUsed = 0;
    DWORD flags = last ? ACM_STREAMCONVERTF_END : ACM_STREAMCONVERTF_BLOCKALIGN;
    if (!m_started) flags |= ACM_STREAMCONVERTF_START;
    m_started = true;
    if (Platform().acmStreamConvert(m_stream.get(), &m_header, flags) != MMSYSERR_NOERROR) return false;
    m_consumed = m_header.cbSrcLengthUsed;
    if (m_consumed > m_sourceBytes) m_consumed = m_sourceBytes;
    std::memmove(m_source.data(), m_source.data() + m_consumed, m_sourceBytes - m_consumed);
    m_sourceBytes -= m_consumed;
    return true;
}

}  // namespace soundlib

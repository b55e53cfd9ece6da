// MP3 through ACM: MPEGLAYER3WAVEFORMAT in, 16-bit PCM of the same rate and channels out.
#include "Mp3Decoder.h"

#include <cstring>

#include "fsound.h"

namespace soundlib {
namespace {

// Several frames per conversion keep the codec calls few; the output bound covers the
// smallest frames (8 kbit/s), which decode to the most PCM per input byte.
constexpr std::size_t kSourceChunk = 8 * 1024;
constexpr std::size_t kPcmPerSourceByte = 48;
constexpr std::size_t kSlackFrames = 8;

MPEGLAYER3WAVEFORMAT CodecFormat(const Mp3FrameHeader& h)
{
    MPEGLAYER3WAVEFORMAT f{};
    f.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    f.wfx.nChannels = static_cast<WORD>(h.channels);
    f.wfx.nSamplesPerSec = h.sampleRate;
    f.wfx.nAvgBytesPerSec = h.bitrateKbps * 1000 / 8;
    f.wfx.nBlockAlign = 1;
    f.wfx.wBitsPerSample = 0;
    f.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    f.wID = MPEGLAYER3_ID_MPEG;
    f.fdwFlags = MPEGLAYER3_FLAG_PADDING_OFF;
    f.nBlockSize = static_cast<WORD>(h.frameBytes - (h.padded ? 1 : 0));
    f.nFramesPerBlock = 1;
    f.nCodecDelay = 1393;  // the value Windows' own Layer III codec is documented with
    return f;
}

WAVEFORMATEX PcmOut(const Mp3FrameHeader& h)
{
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = static_cast<WORD>(h.channels);
    f.nSamplesPerSec = h.sampleRate;
    f.wBitsPerSample = 16;
    f.nBlockAlign = static_cast<WORD>(h.channels * 2);
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    return f;
}

}  // namespace

int Mp3Decoder::Open(std::unique_ptr<FileSource> file, std::unique_ptr<Decoder>& decoder)
{
    Mp3Layout layout;
    switch (ScanMp3(*file, layout)) {
    case Mp3Result::Ok: break;
    case Mp3Result::NotMp3: return FSOUND_ERR_FILE_FORMAT;
    case Mp3Result::ReadError: return FSOUND_ERR_FILE_BAD;
    }
    std::unique_ptr<Mp3Decoder> mp3(new Mp3Decoder(std::move(file), layout));
    // No Layer III codec on the system means this file cannot be played here.
    if (!mp3->StartCodec()) return FSOUND_ERR_FILE_FORMAT;
    decoder = std::move(mp3);
    return FSOUND_ERR_NONE;
}

Mp3Decoder::Mp3Decoder(std::unique_ptr<FileSource> file, const Mp3Layout& layout)
    : m_file(std::move(file)), m_layout(layout)
{
}

bool Mp3Decoder::StartCodec()
{
    m_codec.reset();
    const MPEGLAYER3WAVEFORMAT in = CodecFormat(m_layout.first);
    const WAVEFORMATEX out = PcmOut(m_layout.first);
    const std::size_t frameOutput = m_layout.first.samplesPerFrame * m_layout.first.channels * 2;
    const std::size_t outputBytes = kSourceChunk * kPcmPerSourceByte + kSlackFrames * frameOutput;
    m_codec.reset(new AcmStream(in.wfx, out, kSourceChunk, outputBytes));
    m_fed = m_layout.firstFrame;
    m_outputTaken = 0;
    m_drained = false;
    return m_codec->IsOpen();
}

PcmFormat Mp3Decoder::Format() const
{
    return PcmFormat{m_layout.first.sampleRate, m_layout.first.channels};
}

std::uint64_t Mp3Decoder::LengthBytes() const
{
    // Every whole frame, an Xing/Info frame included: the ACM codec decodes that one as a frame of
    // silence and trims neither encoder delay nor padding (under Wine the decoded byte count equals
    // this exactly). Should a codec differ, ReportedPosition still ends exactly at this length.
    return m_layout.SamplesPerChannel() * Format().BlockAlign();
}

bool Mp3Decoder::DecodeMore()
{
    const std::uint64_t rest = m_layout.endOfFrames - m_fed;
    std::size_t wanted = m_codec->FreeSourceBytes();
    if (wanted > rest) wanted = static_cast<std::size_t>(rest);
    const std::size_t got = m_file->ReadAt(m_fed, m_codec->FreeSource(), wanted);
    m_codec->SourceAdded(got);
    m_fed += got;
    const bool last = got < wanted || m_fed >= m_layout.endOfFrames;
    m_outputTaken = 0;
    if (!m_codec->Convert(last)) return false;
    // At the end the codec is asked to drain until it neither consumes nor produces anything.
    // Before the end, an idle codec with a full input buffer would otherwise be asked forever.
    const bool idle = m_codec->OutputBytes() == 0 && m_codec->ConsumedBytes() == 0;
    return !(idle && (last || m_codec->FreeSourceBytes() == 0));
}

std::size_t Mp3Decoder::Read(std::uint8_t* buffer, std::size_t capacity)
{
    const unsigned align = Format().BlockAlign();
    capacity -= capacity % align;
    std::size_t copied = 0;
    while (copied < capacity) {
        const std::size_t available = m_codec->OutputBytes() - m_outputTaken;
        if (available > 0) {
            std::size_t step = capacity - copied;
            if (step > available) step = available;
            std::memcpy(buffer + copied, m_codec->Output() + m_outputTaken, step);
            m_outputTaken += step;
            copied += step;
            continue;
        }
        if (m_drained) break;
        if (!DecodeMore()) m_drained = true;
    }
    // Codecs deliver whole sample frames, but a short read must never split one.
    return copied - copied % align;
}

bool Mp3Decoder::Rewind()
{
    // A fresh codec forgets the bit reservoir and any held-back samples of the last run.
    return StartCodec();
}

}  // namespace soundlib

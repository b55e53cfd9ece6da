// MP3 frames fed to the codec from the file and its PCM handed out in whole sample frames.
#include "soundlib/Mp3Decoder.h"

#include <cstring>

#include "soundlib/fsound.h"

namespace soundlib {

int Mp3Decoder::Open(std::unique_ptr<ByteSource> file, Mp3CodecMaker makeCodec, std::unique_ptr<Decoder>& decoder)
{
    Mp3Layout layout;
    switch (ScanMp3(*file, layout)) {
    case Mp3Result::Ok: break;
    case Mp3Result::NotMp3: return FSOUND_ERR_FILE_FORMAT;
    case Mp3Result::ReadError: return FSOUND_ERR_FILE_BAD;
    }
    std::unique_ptr<Mp3Decoder> mp3(new Mp3Decoder(std::move(file), layout, makeCodec));
    // No Layer III codec on the system means this file cannot be played here.
    if (!mp3->Rewind()) return FSOUND_ERR_FILE_FORMAT;
    decoder = std::move(mp3);
    return FSOUND_ERR_NONE;
}

Mp3Decoder::Mp3Decoder(std::unique_ptr<ByteSource> file, const Mp3Layout& layout, Mp3CodecMaker makeCodec)
    : m_file(std::move(file)), m_layout(layout), m_makeCodec(makeCodec)
{
}

bool Mp3Decoder::Rewind()
{
    // A fresh codec forgets the bit reservoir and any held-back samples of the last run. It is made
    // apart and swapped in only once it exists: a restart that fails (or throws) must leave the
    // decoder as it was, still safe to read from.
    std::unique_ptr<PcmCodec> codec = m_makeCodec(m_layout.first);
    if (!codec) return false;
    m_codec = std::move(codec);
    m_fed = m_layout.firstFrame;
    m_outputTaken = 0;
    m_drained = false;
    return true;
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

}  // namespace soundlib

// The formats the ACM's Layer III codec is opened with, and the buffers it converts between.
#include "soundlib/AcmMp3Codec.h"

#include "soundlib/AcmStream.h"

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

}  // namespace

std::unique_ptr<PcmCodec> OpenAcmMp3Codec(const Mp3FrameHeader& first)
{
    const MPEGLAYER3WAVEFORMAT in = CodecFormat(first);
    const WAVEFORMATEX out = Pcm16Format(first.sampleRate, first.channels);
    const std::size_t frameOutput = first.samplesPerFrame * first.channels * 2;
    return AcmStream::Open(in.wfx, out, kSourceChunk, kSourceChunk * kPcmPerSourceByte + kSlackFrames * frameOutput);
}

}  // namespace soundlib

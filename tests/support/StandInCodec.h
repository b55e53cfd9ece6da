// A stand-in for the platform's MP3 codec where there is none (native builds): whole frames in, PCM out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "soundlib/PcmCodec.h"

// Takes one frame of the first frame's size at a time (at the end, whatever is left, as a real codec
// conceals a damaged frame) and gives a frame's worth of silence for it: the decoder's feeding and
// draining all run, though nothing is decoded.
class StandInCodec : public soundlib::PcmCodec {
public:
    explicit StandInCodec(const soundlib::Mp3FrameHeader& first)
        : m_source(first.frameBytes), m_output(std::size_t{first.samplesPerFrame} * first.channels * 2)
    {
    }

    std::uint8_t* FreeSource() override { return m_source.data() + m_pending; }
    std::size_t FreeSourceBytes() const override { return m_source.size() - m_pending; }
    void SourceAdded(std::size_t bytes) override { m_pending += bytes; }

    bool Convert(bool last) override
    {
        m_consumed = m_pending == m_source.size() || last ? m_pending : 0;
        m_pending -= m_consumed;
        return true;
    }

    const std::uint8_t* Output() const override { return m_output.data(); }
    std::size_t OutputBytes() const override { return m_consumed > 0 ? m_output.size() : 0; }
    std::size_t ConsumedBytes() const override { return m_consumed; }

private:
    std::vector<std::uint8_t> m_source;
    std::vector<std::uint8_t> m_output;
    std::size_t m_pending = 0;
    std::size_t m_consumed = 0;
};

// An Mp3CodecMaker.
inline std::unique_ptr<soundlib::PcmCodec> MakeStandInCodec(const soundlib::Mp3FrameHeader& first)
{
    return std::unique_ptr<soundlib::PcmCodec>(new StandInCodec(first));
}

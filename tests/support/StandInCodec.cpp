// The stand-in codec: consumes whole frames, gives back their bytes repeated to the decoded size.
#include "support/StandInCodec.h"

#include <vector>

namespace {

constexpr std::size_t kSourceBytes = 8 * 1024;

class StandInCodec : public soundlib::PcmCodec {
public:
    StandInCodec(std::size_t frameBytes, std::size_t frameOutput)
        : m_frameBytes(frameBytes), m_frameOutput(frameOutput), m_source(kSourceBytes),
          m_output((kSourceBytes / frameBytes + 1) * frameOutput)
    {
    }

    std::uint8_t* FreeSource() override { return m_source.data() + m_pending; }
    std::size_t FreeSourceBytes() const override { return m_source.size() - m_pending; }
    void SourceAdded(std::size_t bytes) override { m_pending += bytes; }

    bool Convert(bool last) override
    {
        std::size_t frames = m_pending / m_frameBytes;
        // At the end a partial frame still decodes, as a real codec conceals a damaged one.
        if (last && m_pending % m_frameBytes != 0) ++frames;
        m_consumed = frames * m_frameBytes < m_pending ? frames * m_frameBytes : m_pending;
        m_outputBytes = frames * m_frameOutput;
        for (std::size_t i = 0; i < m_outputBytes; ++i) m_output[i] = m_source[i % m_consumed];
        m_source.erase(m_source.begin(), m_source.begin() + static_cast<std::ptrdiff_t>(m_consumed));
        m_source.resize(kSourceBytes);
        m_pending -= m_consumed;
        return true;
    }

    const std::uint8_t* Output() const override { return m_output.data(); }
    std::size_t OutputBytes() const override { return m_outputBytes; }
    std::size_t ConsumedBytes() const override { return m_consumed; }

private:
    std::size_t m_frameBytes;
    std::size_t m_frameOutput;
    std::vector<std::uint8_t> m_source;
    std::vector<std::uint8_t> m_output;
    std::size_t m_pending = 0;
    std::size_t m_consumed = 0;
    std::size_t m_outputBytes = 0;
};

}  // namespace

std::unique_ptr<soundlib::PcmCodec> MakeStandInCodec(const soundlib::Mp3FrameHeader& first)
{
    return std::unique_ptr<soundlib::PcmCodec>(
        new StandInCodec(first.frameBytes, std::size_t{first.samplesPerFrame} * first.channels * 2));
}

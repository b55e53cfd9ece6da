// Frame walk over an MP3 file: start detection, frame counting and the Xing/Info frame.
#include "soundlib/Mp3Scan.h"

#include <cstring>
#include <vector>

namespace soundlib {
namespace {

// How far after the tags the first frame may start; encoders pad, and some files carry junk.
constexpr std::size_t kStartWindow = 64 * 1024;
// Consecutive matching headers that make an accidental sync in other data implausible.
constexpr int kRunToTrust = 3;

bool HeaderAt(ByteSource& source, std::uint64_t offset, Mp3FrameHeader& header)
{
    std::uint8_t bytes[4];
    return ReadExactly(source, offset, bytes, sizeof bytes) && ParseMp3FrameHeader(bytes, header);
}

// True when frames follow each other from `offset`, kRunToTrust times or up to the exact end of the data.
bool TrustedRun(ByteSource& source, std::uint64_t offset, const Mp3FrameHeader& first)
{
    const std::uint64_t size = source.Size();
    Mp3FrameHeader header = first;
    for (int n = 1; n < kRunToTrust; ++n) {
        offset += header.frameBytes;
        if (offset == size) return true;
        Mp3FrameHeader next;
        if (!HeaderAt(source, offset, next) || !SameMp3Stream(first, next)) return false;
        header = next;
    }
    return true;
}

bool FindRun(ByteSource& source, std::uint64_t from, std::uint64_t limit, std::uint64_t& found,
             Mp3FrameHeader& header)
{
    std::vector<std::uint8_t> window(16 * 1024 + 3);
    for (std::uint64_t base = from; base < limit; base += window.size() - 3) {
        const std::size_t got = source.ReadAt(base, window.data(), window.size());
        if (got < 4) return false;
        for (std::size_t i = 0; i + 4 <= got && base + i < limit; ++i) {
            if (window[i] != 0xFF) continue;
            Mp3FrameHeader candidate;
            if (ParseMp3FrameHeader(&window[i], candidate) && TrustedRun(source, base + i, candidate)) {
                found = base + i;
                header = candidate;
                return true;
            }
        }
        if (got < window.size()) return false;
    }
    return false;
}

bool HasInfoTag(ByteSource& source, std::uint64_t frame, const Mp3FrameHeader& header)
{
    std::uint8_t tag[4];
    const std::size_t at = XingTagOffset(header);
    if (at + sizeof tag > header.frameBytes || !ReadExactly(source, frame + at, tag, sizeof tag)) return false;
    return std::memcmp(tag, "Xing", sizeof tag) == 0 || std::memcmp(tag, "Info", sizeof tag) == 0;
}

}  // namespace

Mp3Result FindMp3Start(ByteSource& source, Mp3Layout& layout)
{
    layout = Mp3Layout();
    std::uint64_t offset = 0;
    for (;;) {
        std::uint8_t tag[10];
        if (!ReadExactly(source, offset, tag, sizeof tag)) break;
        const std::uint32_t size = Id3v2TagSize(tag);
        if (size == 0) break;
        offset += size;
    }
    if (!FindRun(source, offset, offset + kStartWindow, layout.firstFrame, layout.first)) {
        return source.Failed() ? Mp3Result::ReadError : Mp3Result::NotMp3;
    }
    layout.infoFrame = HasInfoTag(source, layout.firstFrame, layout.first);
    return Mp3Result::Ok;
}

Mp3Result ScanMp3(ByteSource& source, Mp3Layout& layout)
{
    const Mp3Result start = FindMp3Start(source, layout);
    if (start != Mp3Result::Ok) return start;

    const std::uint64_t size = source.Size();
    std::uint64_t offset = layout.firstFrame;
    layout.endOfFrames = offset;
    while (offset + 4 <= size) {
        Mp3FrameHeader header;
        if (HeaderAt(source, offset, header) && SameMp3Stream(layout.first, header) &&
            offset + header.frameBytes <= size) {
            ++layout.frameCount;
            offset += header.frameBytes;
            layout.endOfFrames = offset;
            continue;
        }
        if (source.Failed()) return Mp3Result::ReadError;
        // A trailing ID3v1 or APE tag, or damage: carry on only where a trusted run of frames resumes.
        std::uint64_t resumed = 0;
        Mp3FrameHeader next;
        if (!FindRun(source, offset + 1, size, resumed, next) || !SameMp3Stream(layout.first, next)) break;
        offset = resumed;
    }
    return source.Failed() ? Mp3Result::ReadError : Mp3Result::Ok;
}

}  // namespace soundlib

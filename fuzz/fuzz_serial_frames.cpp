// Serial bytes from either side of the download link: the tool's answer classifier sees what the panel
// sends, the panel simulator sees what the tool sends. Both take the bytes as they trickle in.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "download/CPanelSimulator.h"
#include "download/SerialFrames.h"

using namespace zl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t chunk = 1 + data[0] % 16;
    ++data;
    --size;

    Bytes received;
    CPanelSimulator panel(CPanelSimConfig{{1, 0, 0}, 0, 3, 5, 0});
    for (std::size_t at = 0; at < size; at += chunk) {
        const Bytes piece(data + at, data + std::min(size, at + chunk));
        received.insert(received.end(), piece.begin(), piece.end());
        const Verdict verdict = classifyAnswer(received);
        if (verdict == Verdict::Good && !readInformation(received) && received.size() != kFrameOverhead)
            std::abort(); // a good answer is an acknowledge or an information frame
        for (const Bytes& answer : panel.receive(piece)) {
            if (answer.size() < kFrameOverhead || answer[2] != answer.size() ||
                frameChecksum(answer.data(), answer.size() - 1) != answer.back())
                std::abort();
        }
    }
    if (panel.memory().size() != CPanelSimulator::kMemorySize)
        std::abort();
    return 0;
}

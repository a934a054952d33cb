#include "compile/CImageHeader.h"

#include <iterator>

#include "base/Bytes.h"
#include "model/CProject.h"

namespace zl {
namespace {

constexpr std::uint16_t kGlyphArea = 0x8030;

std::uint16_t correctedWindow(const CProject& project, std::uint16_t number)
{
    if (project.windows().empty())
        return 1;
    return project.FindWindowPosition(number) >= 0 ? number : project.windows().front()->number;
}

std::uint8_t screenSaverMinutes(std::uint8_t index)
{
    static constexpr std::uint8_t minutes[] = {0, 1, 2, 3, 5, 10, 15, 20, 30, 45, 60};
    return index < std::size(minutes) ? minutes[index] : 0;
}

// The four low decimal digits, thousands in the high nibble.
std::uint16_t packedBcd(unsigned value)
{
    value %= 10000;
    return static_cast<std::uint16_t>((value / 1000) << 12 | (value / 100 % 10) << 8 |
                                      (value / 10 % 10) << 4 | value % 10);
}

} // namespace

CImageHeader BuildImageHeader(CProject& project, const CImageHeaderInputs& in)
{
    CPanelSettings& panel = project.panel;
    const CCommSettings& comm = project.comm;
    panel.initialWindow = correctedWindow(project, panel.initialWindow);
    const bool saverShowsWindow = panel.screenSaverAction == 1;
    if (saverShowsWindow)
        panel.screenSaverWindow = correctedWindow(project, panel.screenSaverWindow);

    CImageHeader h{};
    h[0] = 0xFF;
    h[1] = 0xFF;
    putBe16(&h[2], in.windowTable);
    putBe16(&h[4], in.alarmList);
    putBe16(&h[6], kGlyphArea);
    putBe16(&h[8], in.singleByteGlyphs);
    h[11] = comm.plcStation;
    h[12] = static_cast<std::uint8_t>(project.protocol());
    h[13] = in.driverVersion;
    h[14] = project.formatVersion;
    putBe16(&h[16], static_cast<unsigned>(project.windowCount()));
    putBe16(&h[18], panel.initialWindow);
    putBe16(&h[20], saverShowsWindow ? panel.screenSaverWindow : 0);
    h[22] = screenSaverMinutes(panel.screenSaverDelay);
    h[23] = panel.controlStation;
    h[24] = project.tables().typeValue(panel.controlRegisterType, kWordList);
    putBe16(&h[25], panel.controlRegisterAddress);
    h[27] = panel.registerStep;
    h[29] = panel.statusFlags;
    h[30] = static_cast<std::uint8_t>(comm.baud + project.tables().baudOffset);
    h[31] = static_cast<std::uint8_t>(comm.dataBits + 7);
    h[32] = static_cast<std::uint8_t>(comm.stopBits + 1);
    h[33] = comm.parity;
    h[34] = project.alarms.texts.empty() ? 0 : 1;
    h[35] = in.writeFlag ? 1 : 0;
    putBe16(&h[36], packedBcd(panel.password));
    h[39] = comm.interface;
    putBe16(&h[40], comm.delay);
    return h;
}

} // namespace zl

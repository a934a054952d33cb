// The panel on a Modbus PLC over TCP on localhost: the requests one refresh of a window with 30 operands
// sends (20 holding registers, one of them two words wide, and 10 coils, each kind at consecutive
// addresses: the target is one request per kind), and the latency of a refresh, from asking for it to
// every value in the cache (median of 200).
#include <cstdio>

#ifdef ZL410_ONLINE
#include "MedianTime.h"
#include "components/CLight.h"
#include "components/CRegister.h"
#include "compile/CImageCompiler.h"
#include "image/CImageReader.h"
#include "model/CProject.h"
#include "model/TempDir.h"
#include "online/CModbusMemory.h"
#include "online/ModbusTestServer.h"
#include "panel/CPanel.h"
#include "render/CFontFiles.h"

using namespace zl;

int main()
{
    const auto fonts = CFontFiles::Load(ZL410_BUILD_DATA_DIR);
    if (!fonts) {
        std::fprintf(stderr, "%s\n", fonts.error().text.c_str());
        return 1;
    }
    CProject project;
    project.SetProtocol(3);
    CMainView& w = *project.WindowAt(project.AddWindow(1));
    std::uint16_t next = 1;
    for (int i = 0; i < 20; ++i) {
        auto reg = std::make_unique<CRegister>(3, CPoint{});
        reg->address = next;
        reg->wordCount = i == 0 ? 2 : 1;
        next = static_cast<std::uint16_t>(next + reg->wordCount);
        w.AppendComponent(std::move(reg));
    }
    for (int i = 0; i < 10; ++i) {
        auto led = std::make_unique<CLight>(3, CPoint{});
        led->address = static_cast<std::uint16_t>(1 + i);
        w.AppendComponent(std::move(led));
    }
    test::TempDir settings;
    auto compiled =
        CImageCompiler::Compile(project, {ZL410_BUILD_DATA_DIR, settings.file("In.dat"), &*fonts});
    auto image =
        compiled ? CImageReader::Read(std::move(compiled->image)) : Result<CDecodedImage>(compiled.error());
    if (!image) {
        std::fprintf(stderr, "%s\n", image.error().describe().c_str());
        return 1;
    }

    test::ModbusTestServer server;
    CModbusEndpoint endpoint;
    endpoint.host = "127.0.0.1";
    endpoint.port = server.port();
    CModbusTiming timing;
    timing.interval = std::chrono::seconds(60); // refreshes only when asked for
    CPanel panel(std::move(*image), *fonts);
    CModbusMemory memory(endpoint, 3, timing);
    panel.UseMemory(&memory);
    if (!memory.WaitRefresh(std::chrono::seconds(5))) {
        std::fprintf(stderr, "%s\n", memory.Fault().c_str());
        return 1;
    }
    const auto before = memory.Stats().requests;
    constexpr int kRuns = 200;
    const double ms = bench::medianMs(kRuns, [&] { (void)memory.WaitRefresh(std::chrono::seconds(5)); });
    const double perRefresh = double(memory.Stats().requests - before) / kRuns;
    std::printf("operands on the window: %zu\n", panel.WatchedOperands().size());
    std::printf("requests per refresh: %.1f (target 2)\n", perRefresh);
    std::printf("refresh latency over TCP on localhost: %.3f ms (median of %d)\n", ms, kRuns);
    return 0;
}
#else
int main()
{
    std::printf("online simulation not built (no libmodbus)\n");
    return 0;
}
#endif

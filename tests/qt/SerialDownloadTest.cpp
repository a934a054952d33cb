// Downloads through the real serial port code against the panel simulator on a pseudo-terminal pair.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

#include "download/CDownloadTransfer.h"
#include "download/SimulatedPanel.h"
#include "download/TestImages.h"
#include "download/CPanelSimulator.h"
#include "platform/CSerialPort.h"
#include "qt/CSerialSettings.h"

using namespace zl;
using zl::test::pattern;
using zl::test::SimulatedPanel;
using zl::test::withValidMark;

namespace
{

constexpr std::chrono::milliseconds kTick{2}; // short timeouts keep the fault cases quick

class Quiet : public CDownloadObserver, public CPrompter
{
public:
    std::function<void(int)> onProgress;
    bool waitForPanel = false;

    void progress(int position) override
    {
        if (onProgress)
            onProgress(position);
    }
    void noResponse(CPanelWait& panel) override
    {
        if (waitForPanel)
            panel.wait();
    }
    void message(const std::string&, const std::string&) override {}
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

CDownloadOutcome download(SimulatedPanel& panel, Quiet& quiet, const Bytes& image, const CDriver& driver,
                          std::function<void(CDownloadTransfer&)> during = {})
{
    auto port = CSerialPort::open(panel.path, " " + panel.path);
    if (!port)
        return {CDownloadOutcome::End::Failed, port.error(), {}};
    CDownloadTransfer transfer(**port, quiet, quiet, kTick);
    if (during)
        during(transfer);
    return transfer.run({image, driver, false, {}});
}

} // namespace

TEST(SerialDownload, CompletesWithAndWithoutDriverAndThroughRecoverableFaults)
{
    struct Case {
        const char* what;
        CPanelSimConfig config;
        bool driverSent;
    };
    const std::vector<Case> cases = {
        {"driver already in the panel", {{1, 3, 2}}, false},
        {"driver sent", {{1, 3, 1}}, true},
        {"first handshakes ignored", {{1, 3, 1}, 4}, true},
        {"panel silent past the first handshakes", {{1, 3, 1}, 60}, true},
        {"every 3rd write refused", {{1, 3, 1}, 0, 3}, true},
        {"every 5th answer dropped", {{1, 3, 1}, 0, 0, 5}, true},
    };
    for (const Case& c : cases) {
        SimulatedPanel panel(c.config);
        Quiet quiet;
        quiet.waitForPanel = true;
        const Bytes image = pattern(2000, 0x21);
        const CDriver driver{3, 2, pattern(900, 0x77), 0};
        const auto outcome = download(panel, quiet, image, driver);
        EXPECT_EQ(outcome.end, CDownloadOutcome::End::Complete) << c.what << ": " << outcome.message.text;
        EXPECT_EQ(panel.memory(0x8000, image.size()), withValidMark(image)) << c.what;
        EXPECT_EQ(panel.memory(0, driver.bytes.size()), c.driverSent ? driver.bytes : Bytes(900, 0xFF))
            << c.what;
    }
}

TEST(SerialDownload, BrokenTransfersLeaveTheImageInvalid)
{
    struct Case {
        const char* what;
        CPanelSimConfig config;
        std::function<void(SimulatedPanel&, CDownloadTransfer&, Quiet&)> during;
        CDownloadOutcome::End end;
        std::string message; // how it begins
    };
    const std::vector<Case> cases = {
        {"power lost", {{1, 3, 1}, 0, 0, 0, 12}, {}, CDownloadOutcome::End::Failed, "延时越界"},
        {"every write refused",
         {{1, 3, 1}, 0, 1},
         {},
         CDownloadOutcome::End::Failed,
         "Too many negative answers"},
        {"silent panel, user gives up",
         {{1, 3, 1}, 1000000},
         {},
         CDownloadOutcome::End::Failed,
         "Communication Error!!!"},
        {"adapter unplugged",
         {{1, 3, 1}},
         [](SimulatedPanel& panel, CDownloadTransfer&, Quiet& quiet) {
             quiet.onProgress = [&panel](int position) {
                 if (position > 5000)
                     panel.unplug();
             };
         },
         CDownloadOutcome::End::Failed,
         "The serial port failed: "},
        {"cancelled",
         {{1, 3, 1}},
         [](SimulatedPanel&, CDownloadTransfer& transfer, Quiet& quiet) {
             quiet.onProgress = [&transfer](int position) {
                 if (position > 3000)
                     transfer.cancel();
             };
         },
         CDownloadOutcome::End::Cancelled,
         ""},
    };
    for (const Case& c : cases) {
        SimulatedPanel panel(c.config);
        Quiet quiet;
        const auto outcome = download(panel, quiet, pattern(2000, 0x42), {3, 2, pattern(900, 0x11), 0},
                                      [&](CDownloadTransfer& t) {
                                          if (c.during)
                                              c.during(panel, t, quiet);
                                      });
        EXPECT_EQ(outcome.end, c.end) << c.what << ": " << outcome.message.text;
        EXPECT_EQ(outcome.message.text.substr(0, c.message.size()), c.message) << c.what;
        EXPECT_EQ(panel.memory(0x8000, 2), (Bytes{0xFF, 0xFF})) << c.what;
    }
}

TEST(SerialPort, OpeningFailuresSayWhy)
{
    auto missing = CSerialPort::open("/dev/zl410-no-such-port", "3");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().text.rfind("Cannot open the serial port3!\n", 0), 0u) << missing.error().text;
    EXPECT_NE(missing.error().text.find("no such device"), std::string::npos);

    auto notSerial = CSerialPort::open("/dev/null", "1");
    ASSERT_FALSE(notSerial.ok());
    EXPECT_NE(notSerial.error().text.find("is not a serial port"), std::string::npos);

    auto pty = CPseudoTerminal::open();
    ASSERT_TRUE(pty.ok()) << pty.error().text;
    auto first = CSerialPort::open(pty->toolPath, "2");
    ASSERT_TRUE(first.ok()) << first.error().text;
    auto second = CSerialPort::open(pty->toolPath, "2");
    ASSERT_FALSE(second.ok());
    EXPECT_NE(second.error().text.find("is busy"), std::string::npos);
}

TEST(SerialSettings, PortsAndTickComeFromTheUsersSettings)
{
    char folder[] = "/tmp/zl410-settings-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    setenv("ZL410_CONFIG_DIR", folder, 1);
    EXPECT_EQ(serialDevicePath(0), "/dev/ttyS0");
    EXPECT_EQ(serialDevicePath(5), "/dev/ttyS5");
    EXPECT_EQ(downloadTick(), std::chrono::milliseconds(16));
    std::ofstream(settingsFilePath()) << "[serial]\nCOM2=/dev/ttyUSB0\n[download]\ntickMs=4\n";
    EXPECT_EQ(serialDevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(serialDevicePath(2), "/dev/ttyS2");
    EXPECT_EQ(downloadTick(), std::chrono::milliseconds(4));
    // Values a hand-edited file may hold that no tick can be: the default instead.
    for (const char* bad : {"0", "-3", "100000", "fast"}) {
        std::ofstream(settingsFilePath()) << "[download]\ntickMs=" << bad << "\n";
        EXPECT_EQ(downloadTick(), std::chrono::milliseconds(16)) << bad;
    }
    unsetenv("ZL410_CONFIG_DIR");
    std::filesystem::remove_all(folder);
}

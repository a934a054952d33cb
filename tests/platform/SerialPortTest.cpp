// The serial port on the system's own calls. Two ports wired to each other (a null-modem pair) carry
// bytes and a download to the panel simulator: ZL410_SERIAL_PAIR names them, "<tool side>,<panel side>".
// The test run makes such a pair with socat (tests/serial-pair.sh), under Wine too; without one those
// tests are skipped.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <thread>

#include "download/CDownloadTransfer.h"
#include "download/CPanelSimulator.h"
#include "download/TestImages.h"
#include "platform/CSerialPort.h"

using namespace zl;
using namespace std::chrono_literals;
using zl::test::pattern;

namespace
{

class Quiet : public CDownloadObserver, public CPrompter
{
public:
    void message(const std::string&, const std::string&) override {}
    bool askOkCancel(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

class WiredPair : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* names = std::getenv("ZL410_SERIAL_PAIR");
        const std::string text = names ? names : "";
        const auto comma = text.find(',');
        if (comma == std::string::npos)
            GTEST_SKIP()
                << "ZL410_SERIAL_PAIR does not name two ports wired to each other (\"<tool>,<panel>\")";
        tool = open(text.substr(0, comma));
        panel = open(text.substr(comma + 1));
        ASSERT_TRUE(tool && panel);
    }

    static std::unique_ptr<CSerialPort> open(const std::string& device)
    {
        auto port = CSerialPort::open(device, " " + device);
        if (!port) {
            ADD_FAILURE() << port.error().text;
            return nullptr;
        }
        return std::move(*port);
    }

    std::unique_ptr<CSerialPort> tool, panel;
};

} // namespace

TEST(SerialPort, OpeningAPortThatIsNotThereSaysWhichAndWhy)
{
#ifdef _WIN32
    const std::string device = "\\\\.\\COM219";
#else
    const std::string device = "/dev/ttyZL410-none";
#endif
    const auto port = CSerialPort::open(device, " 4");
    ASSERT_FALSE(port.ok());
    EXPECT_EQ(port.error().text,
              "Cannot open the serial port 4!\n" + device +
                  ": no such device. Is the adapter plugged in, and is this the right port?");
    // Named as the port (the command line's --port), the device is not named again.
    const auto named = CSerialPort::open(device, " " + device);
    ASSERT_FALSE(named.ok());
    EXPECT_EQ(named.error().text,
              "Cannot open the serial port " + device +
                  "!\nNo such device. Is the adapter plugged in, and is this the right port?");
}

TEST(SerialPort, ComEntriesNameTheSystemsPorts)
{
#ifdef _WIN32
    EXPECT_EQ(defaultSerialDevicePath(0), "\\\\.\\COM1");
    EXPECT_EQ(defaultSerialDevicePath(5), "\\\\.\\COM6");
#else
    EXPECT_EQ(defaultSerialDevicePath(0), "/dev/ttyS0");
    EXPECT_EQ(defaultSerialDevicePath(5), "/dev/ttyS5");
#endif
}

TEST_F(WiredPair, BytesCrossBothWaysAndAWaitEndsAtItsDeadlineOrWhenInterrupted)
{
    // Nothing sent: the wait lasts until its deadline, and not much longer.
    Bytes got;
    auto start = CByteLink::Clock::now();
    const auto waited = tool->receive(got, start + 100ms);
    ASSERT_TRUE(waited.ok()) << waited.error().text;
    EXPECT_EQ(*waited, CByteLink::Wake::Deadline);
    EXPECT_GE(CByteLink::Clock::now() - start, 100ms);
    EXPECT_LT(CByteLink::Clock::now() - start, 2s);

    // An interrupt from another thread ends a long wait at once.
    start = CByteLink::Clock::now();
    std::thread interrupter([&] {
        std::this_thread::sleep_for(50ms);
        tool->interrupt();
    });
    const auto woke = tool->receive(got, start + 30s);
    interrupter.join();
    ASSERT_TRUE(woke.ok()) << woke.error().text;
    EXPECT_EQ(*woke, CByteLink::Wake::Interrupted);
    EXPECT_LT(CByteLink::Clock::now() - start, 5s);
    EXPECT_TRUE(got.empty());

    // Every byte value, both ways.
    const Bytes all = pattern(4096, 0);
    for (auto [from, to] : {std::pair{tool.get(), panel.get()}, std::pair{panel.get(), tool.get()}}) {
        ASSERT_TRUE(from->send(all).ok());
        Bytes received;
        const auto deadline = CByteLink::Clock::now() + 10s;
        while (received.size() < all.size() && CByteLink::Clock::now() < deadline) {
            const auto r = to->receive(received, deadline);
            ASSERT_TRUE(r.ok()) << r.error().text;
        }
        EXPECT_EQ(received, all);
    }
}

TEST_F(WiredPair, DownloadsToTheSimulatedPanelOnTheOtherEnd)
{
    CPanelSimulator simulator(CPanelSimConfig{{1, 3, 1}});
    std::atomic<bool> stop{false};
    Status served = Ok{};
    std::thread server([&] { served = simulator.serve(*panel, stop); });

    Quiet quiet;
    const Bytes image = pattern(20000, 0x21);
    const CDriver driver{3, 2, pattern(3000, 0x77), 0};
    const CDownloadOutcome outcome = CDownloadTransfer(*tool, quiet, quiet).run({image, driver, false, {}});
    stop = true;
    panel->interrupt();
    server.join();

    ASSERT_EQ(outcome.end, CDownloadOutcome::End::Complete) << outcome.message.text;
    EXPECT_TRUE(served.ok()) << served.error().text;
    const Bytes& memory = simulator.memory();
    EXPECT_EQ(Bytes(memory.begin() + 0x8000, memory.begin() + 0x8000 + image.size()), image);
    EXPECT_EQ(Bytes(memory.begin(), memory.begin() + driver.bytes.size()), driver.bytes);
}

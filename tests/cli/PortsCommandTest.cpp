// zl410-cli ports: the COM entries with their devices (a mapping from the settings file included) and the
// machine's ports; and how ports are described.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "RunCli.h"
#include "model/TempDir.h"
#include "platform/SerialPortList.h"

namespace zl::test
{
namespace
{

// The device a COM entry opens unless the settings map it elsewhere.
#ifdef _WIN32
const std::string com1 = "\\\\.\\COM1";
const std::string com6 = "\\\\.\\COM6";
#else
const std::string com1 = "/dev/ttyS0";
const std::string com6 = "/dev/ttyS5";
#endif

TEST(PortsCommandTest, ListsComEntriesWithTheirDevices)
{
    TempDir config;
    setEnv("ZL410_CONFIG_DIR", config.path());
    std::ofstream(config.file("zl410.conf")) << "[serial]\nCOM2=/dev/ttyUSB7\n";
    config.write("In.dat", {0, 1});

    const CliResult text = runCli({"ports"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("  COM1  " + com1 + "\n* COM2  /dev/ttyUSB7\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Serial ports on this machine:"), std::string::npos) << text.out;

    const CliResult json = runCli({"ports", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    for (const char* part :
         {"\"name\": \"COM2\"", "\"device\": \"/dev/ttyUSB7\"", "\"selected\": true", "\"ports\": ["})
        EXPECT_NE(json.out.find(part), std::string::npos) << part << " in\n" << json.out;
    EXPECT_EQ(runCli({"ports", "extra"}).status, 2);

    // An index past COM6 is COM6, as COM Selection shows it.
    config.write("In.dat", {0, 6});
    const CliResult past = runCli({"ports"});
    EXPECT_NE(past.out.find("  COM1  " + com1 + "\n"), std::string::npos) << past.out;
    EXPECT_NE(past.out.find("* COM6  " + com6 + "\n"), std::string::npos) << past.out;
}

TEST(PortsCommandTest, DescriptionsNameAdapterMakerAndDevice)
{
    struct Case {
        const char* name;
        const char* product;
        const char* maker;
        bool usb;
        const char* expected;
    };
    const Case cases[] = {
        {"ttyUSB0", "FT232R", "FTDI", true, "USB serial adapter FTDI FT232R, ttyUSB0"},
        {"ttyUSB1", "FTDI FT232R USB UART", "FTDI", true, "USB serial adapter FTDI FT232R USB UART, ttyUSB1"},
        {"ttyACM0", "", "", true, "USB serial adapter, ttyACM0"},
        {"ttyS0", "", "", false, "Serial port, ttyS0"},
        {"ttyS1", "16550A", "", false, "16550A, ttyS1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describePort(c.name, c.product, c.maker, c.usb), c.expected);
}

} // namespace
} // namespace zl::test

// The machine's serial ports as the COM selection and `zl410-cli ports` list them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "model/TempDir.h"
#include "platform/SerialPortList.h"

namespace zl::test
{
namespace
{

namespace fs = std::filesystem;

TEST(SerialPortListTest, PortsComeSortedByDevice)
{
    const std::vector<CPortInfo> ports = availableSerialPorts();
    EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(),
                               [](const CPortInfo& a, const CPortInfo& b) { return a.device < b.device; }));
    for (const CPortInfo& p : ports)
        EXPECT_FALSE(p.device.empty() || p.description.empty());
}

#ifndef _WIN32
// A made-up sysfs: an FTDI adapter (its tty under the USB interface), a CDC modem, a port on a PCI card and
// a virtual terminal, which has no device.
TEST(SerialPortListTest, SysfsTtysWithDevicesAreNamedByTheirUsbDevice)
{
    TempDir sys;
    const fs::path root = sys.path();
    const auto attribute = [](const fs::path& file, const char* text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text << "\n";
    };
    const auto tty = [&](const char* name, const fs::path& device, const char* driver) {
        fs::create_directories(root / "class/tty" / name);
        fs::create_directories(device);
        fs::create_directory_symlink(device, root / "class/tty" / name / "device");
        if (driver) {
            fs::create_directories(root / "bus/drivers" / driver);
            fs::create_directory_symlink(root / "bus/drivers" / driver, device / "driver");
        }
    };
    const fs::path ftdi = root / "devices/pci0/usb1/1-1";
    attribute(ftdi / "idVendor", "0403");
    attribute(ftdi / "idProduct", "6001");
    attribute(ftdi / "manufacturer", "FTDI");
    attribute(ftdi / "product", "FT232R USB UART");
    tty("ttyUSB0", ftdi / "1-1:1.0/ttyUSB0", "ftdi_sio");
    const fs::path modem = root / "devices/pci0/usb1/1-2";
    attribute(modem / "idVendor", "2341");
    attribute(modem / "idProduct", "0043");
    tty("ttyACM0", modem / "1-2:1.0", "cdc_acm");
    tty("ttyS4", root / "devices/pci0/0000:03:00.0", "exar_serial");
    fs::create_directories(root / "class/tty/tty1");

    const std::vector<CPortInfo> ports = serialPortsInSysfs((root / "class/tty").string());
    ASSERT_EQ(ports.size(), 3u);
    EXPECT_EQ(ports[0].device, "/dev/ttyACM0");
    EXPECT_EQ(ports[0].description, "USB serial adapter, ttyACM0");
    EXPECT_EQ(ports[1].device, "/dev/ttyS4");
    EXPECT_EQ(ports[1].description, "Serial port, ttyS4");
    EXPECT_EQ(ports[2].device, "/dev/ttyUSB0");
    EXPECT_EQ(ports[2].description, "USB serial adapter FTDI FT232R USB UART, ttyUSB0");
    EXPECT_TRUE(serialPortsInSysfs((root / "none").string()).empty());
}
#endif

} // namespace
} // namespace zl::test

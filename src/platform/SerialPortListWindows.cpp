#include "platform/SerialPortList.h"

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/FileIo.h"

namespace zl
{
namespace
{

std::string toUtf8(const std::wstring& wide)
{
    return Utf8Path(std::filesystem::path(wide));
}

// A string of the registry (REG_SZ) as read: may or may not end in NULs, which are dropped.
std::wstring trimmed(std::wstring text)
{
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

std::wstring deviceProperty(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD property)
{
    wchar_t buffer[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, property, nullptr,
                                           reinterpret_cast<BYTE*>(buffer), sizeof buffer - sizeof(wchar_t),
                                           nullptr))
        return {};
    return trimmed(buffer);
}

std::wstring registryString(HKEY key, const wchar_t* name)
{
    wchar_t buffer[256] = {};
    DWORD type = 0, size = sizeof buffer - sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return trimmed(std::wstring(buffer, size / sizeof(wchar_t)));
}

std::string devicePathOf(const std::string& portName)
{
    return "\\\\.\\" + portName;
}

// The Ports class of the device manager: COM ports with the adapter's name and maker.
void addSetupApiPorts(std::vector<CPortInfo>& ports)
{
    HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
        HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        const std::string name = toUtf8(registryString(key, L"PortName"));
        RegCloseKey(key);
        if (name.rfind("COM", 0) != 0) // printer ports (LPT) share the class
            continue;
        const std::wstring hardwareId = deviceProperty(devices, device, SPDRP_HARDWAREID);
        const bool usb = hardwareId.rfind(L"USB\\", 0) == 0 || hardwareId.rfind(L"FTDIBUS\\", 0) == 0;
        std::string maker = toUtf8(deviceProperty(devices, device, SPDRP_MFG));
        if (maker.rfind('(', 0) == 0) // "(Standard port types)"
            maker.clear();
        ports.push_back(
            {devicePathOf(name),
             describePort(name, toUtf8(deviceProperty(devices, device, SPDRP_DEVICEDESC)), maker, usb)});
    }
    SetupDiDestroyDeviceInfoList(devices);
}

// Every COM port the serial drivers announce, also those without a device manager entry (virtual pairs).
void addSerialCommPorts(std::vector<CPortInfo>& ports)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        wchar_t valueName[256];
        DWORD nameLength = 256;
        wchar_t data[256] = {};
        DWORD type = 0, size = sizeof data - sizeof(wchar_t);
        const LONG result = RegEnumValueW(key, i, valueName, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &size);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            continue;
        const std::string name = toUtf8(trimmed(std::wstring(data, size / sizeof(wchar_t))));
        const std::string device = devicePathOf(name);
        if (name.empty() ||
            std::any_of(ports.begin(), ports.end(), [&](const CPortInfo& p) { return p.device == device; }))
            continue;
        ports.push_back({device, describePort(name, "", "", false)});
    }
    RegCloseKey(key);
}

} // namespace

std::vector<CPortInfo> availableSerialPorts()
{
    std::vector<CPortInfo> ports;
    addSetupApiPorts(ports);
    addSerialCommPorts(ports);
    std::sort(ports.begin(), ports.end(),
              [](const CPortInfo& a, const CPortInfo& b) { return a.device < b.device; });
    return ports;
}

} // namespace zl

#include "qt/CSerialSettings.h"

#include <QSettings>

#include <algorithm>

#include "base/FileIo.h"
#include "download/CSerialExchange.h"
#include "plc/CToolSettings.h"
#include "qt/CDataPaths.h"

namespace zl
{

std::string settingsFilePath()
{
    return configFolder() + "/zl410.conf";
}

Status checkSettingsFile()
{
    const Result<std::optional<Bytes>> read = ReadSettingsFile(settingsFilePath());
    if (!read)
        return read.error();
    return Ok{};
}

std::unique_ptr<QSettings> openSettings()
{
    // QSettings given no file reads nothing and writes nowhere.
    const QString file = checkSettingsFile() ? QString::fromStdString(settingsFilePath()) : QString();
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

unsigned comEntry(unsigned portIndex)
{
    return std::min(portIndex, kSerialPortCount - 1);
}

Result<unsigned> selectedComEntry()
{
    const Result<CToolSettings> settings = CToolSettings::Read(CToolSettings::path(configFolder()));
    if (!settings)
        return settings.error();
    if (const Status readable = checkSettingsFile(); !readable)
        return readable.error();
    return comEntry(settings->portIndex);
}

namespace
{
QString portKey(unsigned portIndex)
{
    return QStringLiteral("serial/COM%1").arg(portIndex + 1);
}
} // namespace

std::string serialDevicePath(unsigned portIndex)
{
    const QString fallback = QString::fromStdString(defaultSerialDevicePath(portIndex));
    return openSettings()->value(portKey(portIndex), fallback).toString().toStdString();
}

void setSerialDevicePath(unsigned portIndex, const std::string& device)
{
    const auto settings = openSettings();
    if (device.empty() || device == defaultSerialDevicePath(portIndex))
        settings->remove(portKey(portIndex));
    else
        settings->setValue(portKey(portIndex), QString::fromStdString(device));
    settings->sync();
}

CPortChoice comPortChoice(unsigned portIndex)
{
    return {serialDevicePath(portIndex), std::to_string(portIndex + 1)};
}

std::chrono::milliseconds downloadTick()
{
    bool ok = false;
    const int ms = openSettings()->value(QStringLiteral("download/tickMs")).toInt(&ok);
    // The command line takes 1 … 1000 ms; a settings file edited by hand gets the same bounds.
    return ok && ms > 0 && ms <= 1000 ? std::chrono::milliseconds(ms) : CSerialExchange::kDefaultTick;
}

} // namespace zl

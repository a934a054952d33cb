#include "qt/CSerialSettings.h"

#include <QSettings>

#include "download/CSerialExchange.h"
#include "qt/CDataPaths.h"

namespace zl
{

std::string settingsFilePath()
{
    return configFolder() + "/zl410.conf";
}

namespace
{
QSettings userSettings()
{
    return QSettings(QString::fromStdString(settingsFilePath()), QSettings::IniFormat);
}

QString portKey(unsigned portIndex)
{
    return QStringLiteral("serial/COM%1").arg(portIndex + 1);
}
} // namespace

std::string serialDevicePath(unsigned portIndex)
{
    const QString fallback = QString::fromStdString(defaultSerialDevicePath(portIndex));
    return userSettings().value(portKey(portIndex), fallback).toString().toStdString();
}

void setSerialDevicePath(unsigned portIndex, const std::string& device)
{
    QSettings settings = userSettings();
    if (device.empty() || device == defaultSerialDevicePath(portIndex))
        settings.remove(portKey(portIndex));
    else
        settings.setValue(portKey(portIndex), QString::fromStdString(device));
    settings.sync();
}

CPortChoice comPortChoice(unsigned portIndex)
{
    return {serialDevicePath(portIndex), std::to_string(portIndex + 1)};
}

std::chrono::milliseconds downloadTick()
{
    bool ok = false;
    const int ms = userSettings().value(QStringLiteral("download/tickMs")).toInt(&ok);
    // The command line takes 1 … 1000 ms; a settings file edited by hand gets the same bounds.
    return ok && ms > 0 && ms <= 1000 ? std::chrono::milliseconds(ms) : CSerialExchange::kDefaultTick;
}

} // namespace zl

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
} // namespace

std::string serialDevicePath(unsigned portIndex)
{
    const QString key = QStringLiteral("serial/COM%1").arg(portIndex + 1);
    const QString fallback = QStringLiteral("/dev/ttyS%1").arg(portIndex);
    return userSettings().value(key, fallback).toString().toStdString();
}

std::chrono::milliseconds downloadTick()
{
    bool ok = false;
    const int ms = userSettings().value(QStringLiteral("download/tickMs")).toInt(&ok);
    // The command line takes 1 … 1000 ms; a settings file edited by hand gets the same bounds.
    return ok && ms > 0 && ms <= 1000 ? std::chrono::milliseconds(ms) : CSerialExchange::kDefaultTick;
}

} // namespace zl

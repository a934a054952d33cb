#pragma once
// COM Selection: the PC port of the download. It stores its choice only on OK.
#include <QDialog>

#include <cstdint>
#include <vector>

#include "platform/SerialPortList.h"

class QComboBox;

namespace zl
{

class CBoundComboBox;

// COM1 … COM6 as "In.dat" keeps them, and beside them the machine's serial ports: choosing one maps the
// selected COM entry to it in the settings file on OK.
class CComSelectionDialog : public QDialog
{
    Q_OBJECT
public:
    CComSelectionDialog(std::uint8_t portIndex, QWidget* parent = nullptr);
    // The machine's ports are given (tests) or found.
    CComSelectionDialog(std::uint8_t portIndex, std::vector<CPortInfo> ports, QWidget* parent = nullptr);
    std::uint8_t portIndex() const { return m_port; }
    CBoundComboBox* portCombo() const { return m_combo; }
    QComboBox* deviceCombo() const { return m_deviceCombo; }
    // The device behind the selected COM entry, as it will be after OK.
    QString deviceText() const;

public slots:
    void accept() override;

private:
    void showDevice();

    std::uint8_t m_port;
    std::vector<CPortInfo> m_ports;
    std::vector<QString> m_devices; // per COM entry
    CBoundComboBox* m_combo;
    QComboBox* m_deviceCombo;
};

} // namespace zl

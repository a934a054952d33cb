#include "editor/dialogs/CComSelectionDialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "editor/controls/CBoundControls.h"
#include "editor/dialogs/DialogButtons.h"
#include "editor/CEditorSettings.h"
#include "editor/help/HelpTopics.h"
#include "qt/CMessages.h"
#include "qt/CSerialSettings.h"

namespace zl
{

CComSelectionDialog::CComSelectionDialog(std::uint8_t portIndex, QWidget* parent)
    : CComSelectionDialog(portIndex, availableSerialPorts(), parent)
{
}

CComSelectionDialog::CComSelectionDialog(std::uint8_t portIndex, std::vector<CPortInfo> ports,
                                         QWidget* parent)
    : QDialog(parent), m_port(static_cast<std::uint8_t>(comEntry(portIndex))), m_ports(std::move(ports)),
      m_combo(new CBoundComboBox(this)), m_deviceCombo(new QComboBox(this))
{
    help::setHelpTopic(this, help::kComSelection);
    setWindowTitle(tr("COM selection"));
    for (unsigned i = 0; i < kSerialPortCount; ++i)
        m_devices.push_back(comDevicePath(i));
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(tr("Select the serial port for downloading"), this));
    m_combo->Fill({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6"});
    m_combo->Bind(&m_port);
    form->addRow(tr("Serial Port:"), m_combo);
    m_deviceCombo->setMinimumWidth(320);
    // Any device path can be typed: a pseudo-terminal, a /dev/serial/by-id/… link.
    m_deviceCombo->setEditable(true);
    m_deviceCombo->setInsertPolicy(QComboBox::NoInsert);
    m_deviceCombo->setToolTip(
        tr("The device this COM entry stands for on this machine: choose one or type its path"));
    form->addRow(tr("Device:"), m_deviceCombo);
    form->addRow(okCancelButtons(this));
    showDevice();
    connect(m_combo, &QComboBox::currentIndexChanged, this, &CComSelectionDialog::showDevice);
    connect(m_deviceCombo, &QComboBox::activated, this, [this](int row) {
        const auto com = static_cast<std::size_t>(std::max(0, m_combo->currentIndex()));
        m_devices[com] = m_deviceCombo->itemData(row).toString();
    });
    connect(m_deviceCombo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        const auto com = static_cast<unsigned>(std::max(0, m_combo->currentIndex()));
        const QString typed = text.trimmed();
        m_devices[com] = typed.isEmpty() ? QString::fromStdString(defaultSerialDevicePath(com)) : typed;
    });
}

// The device list for the selected COM entry: its present device first when the machine's list lacks it
// (the standard /dev/ttyS<n>, a typed path, or an adapter that is unplugged now), then the machine's
// ports. Only a device that is not there is marked so: the list leaves out pseudo-terminals and links.
void CComSelectionDialog::showDevice()
{
    const auto com = static_cast<unsigned>(std::max(0, m_combo->currentIndex()));
    const QString current = m_devices[com];
    const QString standard = QString::fromStdString(defaultSerialDevicePath(com));
    QSignalBlocker quiet(m_deviceCombo);
    m_deviceCombo->clear();
    const auto listed = [&](const QString& device) {
        return std::any_of(m_ports.begin(), m_ports.end(),
                           [&](const CPortInfo& p) { return QString::fromStdString(p.device) == device; });
    };
    if (!listed(standard))
        m_deviceCombo->addItem(standard + tr(" (standard for COM%1)").arg(com + 1), standard);
    if (current != standard && !listed(current))
        m_deviceCombo->addItem(QFileInfo::exists(current) ? current : current + tr(" (not found now)"),
                               current);
    for (const CPortInfo& p : m_ports)
        m_deviceCombo->addItem(
            QString::fromStdString(translateMessage(p.description) + " (" + p.device + ")"),
            QString::fromStdString(p.device));
    m_deviceCombo->setCurrentIndex(std::max(0, m_deviceCombo->findData(current)));
}

QString CComSelectionDialog::deviceText() const
{
    return m_devices[static_cast<std::size_t>(std::max(0, m_combo->currentIndex()))];
}

void CComSelectionDialog::accept()
{
    for (unsigned i = 0; i < kSerialPortCount; ++i)
        if (m_devices[i] != comDevicePath(i))
            setSerialDevicePath(i, m_devices[i].toStdString());
    QDialog::accept();
}

} // namespace zl

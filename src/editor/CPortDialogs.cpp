#include "editor/CPortDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

#include "plc/CProtocolCatalogue.h"
#include "plc/CProtocolTables.h"
#include "plc/CToolSettings.h"
#include "editor/CBoundControls.h"
#include "editor/CEditorSettings.h"
#include "editor/CNumEdit.h"
#include "editor/CNumSpinCtrl.h"
#include "model/CProject.h"
#include "base/CPrompter.h"
#include "qt/CSerialSettings.h"

namespace zl
{
namespace
{

bool usesStation(unsigned protocol)
{
    return protocolDescriptor(protocol).stationShown;
}
bool usesDelay(unsigned protocol)
{
    return protocolDescriptor(protocol).delayShown;
}

QDialogButtonBox* okCancel(QDialog* dialog)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace

CPlcSelectionDialog::CPlcSelectionDialog(const CProject& project, std::string cataloguePath,
                                         std::string toolSettingsPath, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_project(project), m_cataloguePath(std::move(cataloguePath)),
      m_toolSettingsPath(std::move(toolSettingsPath)), m_prompter(prompter), m_comm(project.comm),
      m_stationValue(project.comm.plcStation), m_delayValue(project.comm.delay)
{
    setWindowTitle(QStringLiteral("PLC Selection"));
    auto* form = new QFormLayout(this);
    m_plcType = new CBoundComboBox(this);
    m_baud = new CBoundComboBox(this);
    m_dataBits = new CBoundComboBox(this);
    m_stopBits = new CBoundComboBox(this);
    m_parity = new CBoundComboBox(this);
    m_interface = new CBoundComboBox(this);
    m_station = new CNumEdit;
    m_delay = new CNumEdit;
    m_stationRow = numberField(m_station, this);
    m_delayRow = numberField(m_delay, this);
    form->addRow(QStringLiteral("PLC Type:"), m_plcType);
    form->addRow(QStringLiteral("Baud rate:"), m_baud);
    form->addRow(QStringLiteral("Data bits:"), m_dataBits);
    form->addRow(QStringLiteral("Stop bits:"), m_stopBits);
    form->addRow(QStringLiteral("Parity:"), m_parity);
    form->addRow(QStringLiteral("Type:"), m_interface);
    form->addRow(QStringLiteral("Station No.:"), m_stationRow);
    form->addRow(QStringLiteral("Delay:"), m_delayRow);
    form->addRow(okCancel(this));

    std::vector<std::string> names;
    for (std::uint8_t type : project.entryTypes())
        names.push_back(protocolDisplayName(type));
    m_plcType->Fill(names);
    m_plcType->setVisible(true);
    m_plcType->Bind(&m_comm.listPosition);
    m_protocol =
        project.entryTypes().empty() ? project.protocol() : project.entryTypes()[m_comm.listPosition];
    m_interface->Fill(interfaceList());
    fillLineLists();
    m_station->Bind(&m_stationValue, 0, 65535);
    m_delay->Bind(&m_delayValue, 0, 65535);
    showFields();

    connect(m_plcType, &QComboBox::activated, this, &CPlcSelectionDialog::protocolChosen);
    connect(m_station, &CNumEdit::valueStored, this, &CPlcSelectionDialog::limitStation);
}

void CPlcSelectionDialog::fillLineLists()
{
    m_baud->Fill(baudList(m_protocol));
    m_dataBits->Fill(dataBitsList());
    m_stopBits->Fill(stopBitsList());
    m_parity->Fill(parityList());
    m_baud->Bind(&m_comm.baud);
    m_dataBits->Bind(&m_comm.dataBits);
    m_stopBits->Bind(&m_comm.stopBits);
    m_parity->Bind(&m_comm.parity);
    m_interface->Bind(&m_comm.interface);
}

void CPlcSelectionDialog::protocolChosen()
{
    m_plcType->resetChanged();
    if (m_comm.listPosition >= m_project.entryTypes().size())
        return;
    m_protocol = m_project.entryTypes()[m_comm.listPosition];
    applyDialogDefaults(m_protocol, m_comm);
    fillLineLists();
    // The defaults may set the station and the delay.
    m_station->SetValue(m_comm.plcStation);
    m_delay->SetValue(m_comm.delay);
    showFields();
}

void CPlcSelectionDialog::showFields()
{
    m_stationRow->setVisible(usesStation(m_protocol));
    m_delayRow->setVisible(usesDelay(m_protocol));
    if (auto* form = qobject_cast<QFormLayout*>(layout())) {
        form->labelForField(m_stationRow)->setVisible(usesStation(m_protocol));
        form->labelForField(m_delayRow)->setVisible(usesDelay(m_protocol));
    }
}

bool CPlcSelectionDialog::stationShown() const
{
    return !m_stationRow->isHidden();
}
bool CPlcSelectionDialog::delayShown() const
{
    return !m_delayRow->isHidden();
}

void CPlcSelectionDialog::limitStation()
{
    // Typed or stepped with the spin, the station keeps to the same limits.
    const CProtocolDescriptor& d = protocolDescriptor(m_protocol);
    const std::int64_t limited =
        std::clamp<std::int64_t>(m_station->GetValue(), d.plcStationMin, d.plcStationMax);
    if (limited != m_station->GetValue())
        m_station->SetValue(limited);
}

void CPlcSelectionDialog::accept()
{
    // The project takes settings() and protocol() after OK, as one undoable step.
    if (usesStation(m_protocol))
        m_comm.plcStation = static_cast<std::uint8_t>(m_station->GetValue());
    if (usesDelay(m_protocol))
        m_comm.delay = static_cast<std::uint16_t>(m_delay->GetValue());
    auto driver = CProtocolCatalogue::LoadDriver(m_cataloguePath, static_cast<std::uint8_t>(m_protocol));
    if (driver) {
        // The position follows the entry whose driver was found.
        m_comm.listPosition = static_cast<std::uint8_t>(driver->position);
        m_statusText = m_plcType->currentText() + QStringLiteral(".%1").arg(driver->version);
    } else {
        m_prompter.message(driver.error().text, driver.error().caption);
        m_statusText = m_plcType->currentText();
    }
    const Status written = CToolSettings{m_comm.listPosition, m_comm.portIndex}.Write(m_toolSettingsPath);
    if (!written)
        m_prompter.message(written.error().text, written.error().caption);
    QDialog::accept();
}

CComSelectionDialog::CComSelectionDialog(std::uint8_t portIndex, QWidget* parent)
    : CComSelectionDialog(portIndex, availableSerialPorts(), parent)
{
}

CComSelectionDialog::CComSelectionDialog(std::uint8_t portIndex, std::vector<CPortInfo> ports,
                                         QWidget* parent)
    : QDialog(parent), m_port(portIndex), m_ports(std::move(ports)), m_combo(new CBoundComboBox(this)),
      m_deviceCombo(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("COM selection"));
    for (unsigned i = 0; i < kSerialPortCount; ++i)
        m_devices.push_back(comDevicePath(i));
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(QStringLiteral("Select the serial port for downloading"), this));
    m_combo->Fill({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6"});
    m_combo->Bind(&m_port);
    form->addRow(QStringLiteral("Serial Port:"), m_combo);
    m_deviceCombo->setMinimumWidth(320);
    m_deviceCombo->setToolTip(QStringLiteral("The device this COM entry stands for on this machine"));
    form->addRow(QStringLiteral("Device:"), m_deviceCombo);
    form->addRow(okCancel(this));
    showDevice();
    connect(m_combo, &QComboBox::currentIndexChanged, this, &CComSelectionDialog::showDevice);
    connect(m_deviceCombo, &QComboBox::activated, this, [this](int row) {
        const auto com = static_cast<std::size_t>(std::max(0, m_combo->currentIndex()));
        m_devices[com] = m_deviceCombo->itemData(row).toString();
    });
}

// The device list for the selected COM entry: its present device first when the machine's list lacks it
// (the standard /dev/ttyS<n>, or an adapter that is unplugged now), then the machine's ports.
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
        m_deviceCombo->addItem(standard + QStringLiteral(" (standard for COM%1)").arg(com + 1), standard);
    if (current != standard && !listed(current))
        m_deviceCombo->addItem(current + QStringLiteral(" (not found now)"), current);
    for (const CPortInfo& p : m_ports)
        m_deviceCombo->addItem(QString::fromStdString(p.description + " (" + p.device + ")"),
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

#include "editor/dialogs/CPlcSelectionDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

#include "plc/CProtocolCatalogue.h"
#include "plc/CProtocolTables.h"
#include "plc/CToolSettings.h"
#include "editor/controls/CBoundControls.h"
#include "editor/dialogs/DialogButtons.h"
#include "editor/CEditorSettings.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "editor/help/HelpTopics.h"
#include "model/CProject.h"
#include "base/CPrompter.h"
#include "qt/CMessages.h"
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

} // namespace

CPlcSelectionDialog::CPlcSelectionDialog(const CProject& project, std::string cataloguePath,
                                         std::string toolSettingsPath, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_project(project), m_cataloguePath(std::move(cataloguePath)),
      m_toolSettingsPath(std::move(toolSettingsPath)), m_prompter(prompter), m_comm(project.comm),
      m_stationValue(project.comm.plcStation), m_delayValue(project.comm.delay)
{
    help::setHelpTopic(this, help::kPlcSelection);
    setWindowTitle(tr("PLC Selection"));
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
    form->addRow(tr("PLC Type:"), m_plcType);
    form->addRow(tr("Baud rate:"), m_baud);
    form->addRow(tr("Data bits:"), m_dataBits);
    form->addRow(tr("Stop bits:"), m_stopBits);
    form->addRow(tr("Parity:"), m_parity);
    form->addRow(tr("Type:"), m_interface);
    form->addRow(tr("Station No.:"), m_stationRow);
    form->addRow(tr("Delay:"), m_delayRow);
    form->addRow(okCancelButtons(this));

    std::vector<std::string> names;
    for (std::uint8_t type : project.entryTypes())
        names.push_back(translateMessage(protocolDisplayName(type)));
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

} // namespace zl

#pragma once
// "VT306 config": the panel's initial window, password, screen saver and the control registers it shares
// with the PLC. The dialog edits a copy of the settings; after "Ok" `settings()` holds the new ones, and
// the caller stores them into the project in one step.
#include <QDialog>

#include <array>
#include <cstdint>

#include "plc/CPanelSettings.h"

class QButtonGroup;
class QLabel;

namespace zl
{

class CBoundCheckBox;
class CBoundComboBox;
class CNumEdit;
class CProject;

class CPanelSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    CPanelSettingsDialog(const CProject& project, QWidget* parent = nullptr);

    // The settings as the dialog shows them, status flags included.
    CPanelSettings settings() const;

    // The status check boxes in flag order: "Auto change window", "Report current window", "Use RTC module".
    CBoundCheckBox* statusBox(int bit) const { return m_status[bit]; }
    // The address beside each status check box ("Respond" labels).
    QLabel* addressLabel(int bit) const { return m_addressLabels[bit]; }
    QLabel* directionLabel(int bit) const { return m_directionLabels[bit]; }
    CNumEdit* initialWindowEdit() const { return m_initialWindow; }
    CNumEdit* passwordEdit() const { return m_password; }
    CNumEdit* saverWindowEdit() const { return m_saverWindow; }
    CNumEdit* addressEdit() const { return m_address; }
    CNumEdit* stationEdit() const { return m_station; }
    CBoundComboBox* saverDelayCombo() const { return m_saverDelay; }
    CBoundComboBox* typeCombo() const { return m_type; }
    QButtonGroup* saverActionGroup() const { return m_saverAction; }

private:
    QWidget* createParameterGroup();
    QWidget* createControlGroup();
    void bindControls();
    // Enabling and address labels follow the ticked boxes, the chosen action and the address.
    void refresh();

    const CProject& m_project;
    CPanelSettings m_settings;
    std::array<std::uint8_t, 3> m_statusBits{};
    CNumEdit* m_initialWindow = nullptr;
    CNumEdit* m_password = nullptr;
    CBoundComboBox* m_saverDelay = nullptr;
    QButtonGroup* m_saverAction = nullptr;
    CNumEdit* m_saverWindow = nullptr;
    CBoundComboBox* m_type = nullptr;
    CNumEdit* m_address = nullptr;
    CNumEdit* m_station = nullptr;
    std::array<CBoundCheckBox*, 3> m_status{};
    std::array<QLabel*, 3> m_directionLabels{};
    std::array<QLabel*, 3> m_addressLabels{};
};

} // namespace zl

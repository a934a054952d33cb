#pragma once
// PLC Selection: the protocol with its line settings, station and delay. It edits copies and stores them
// into the project only on OK.
#include <QDialog>

#include <cstdint>
#include <string>

#include "plc/CCommSettings.h"

class QComboBox;
class QLabel;

namespace zl
{

class CBoundComboBox;
class CNumEdit;
class CProject;
class CPrompter;

class CPlcSelectionDialog : public QDialog
{
    Q_OBJECT
public:
    CPlcSelectionDialog(const CProject& project, std::string cataloguePath, std::string toolSettingsPath,
                        CPrompter& prompter, QWidget* parent = nullptr);

    // The protocol of the selected entry (what the project takes on OK).
    unsigned protocol() const { return m_protocol; }
    // After OK: the protocol pane's text ("<name>.<driver version>").
    const QString& statusText() const { return m_statusText; }
    // After OK: the communication settings the project takes with protocol().
    const CCommSettings& settings() const { return m_comm; }

    CBoundComboBox* plcTypeCombo() const { return m_plcType; }
    CNumEdit* stationEdit() const { return m_station; }
    CNumEdit* delayEdit() const { return m_delay; }
    // Shown for the protocols that use them.
    bool stationShown() const;
    bool delayShown() const;

public slots:
    void accept() override;

private:
    void protocolChosen();
    void fillLineLists();
    void showFields();
    void limitStation();

    const CProject& m_project;
    std::string m_cataloguePath;
    std::string m_toolSettingsPath;
    CPrompter& m_prompter;
    CCommSettings m_comm;
    unsigned m_protocol = 0;
    std::uint16_t m_stationValue = 0;
    std::uint16_t m_delayValue = 0;
    QString m_statusText;
    CBoundComboBox* m_plcType;
    CBoundComboBox* m_baud;
    CBoundComboBox* m_dataBits;
    CBoundComboBox* m_stopBits;
    CBoundComboBox* m_parity;
    CBoundComboBox* m_interface;
    CNumEdit* m_station;
    CNumEdit* m_delay;
    QWidget* m_stationRow;
    QWidget* m_delayRow;
};

} // namespace zl

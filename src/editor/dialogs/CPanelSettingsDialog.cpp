#include "editor/dialogs/CPanelSettingsDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/controls/CBoundControls.h"
#include "editor/dialogs/DialogButtons.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "editor/help/HelpTopics.h"
#include "model/CProject.h"

namespace zl
{
namespace
{

constexpr int kNumberWidth = 70;

CNumEdit* numberEdit()
{
    auto* edit = new CNumEdit;
    edit->setFixedWidth(kNumberWidth);
    return edit;
}

} // namespace

CPanelSettingsDialog::CPanelSettingsDialog(const CProject& project, QWidget* parent)
    : QDialog(parent), m_project(project), m_settings(project.panel)
{
    help::setHelpTopic(this, help::kPanelSettings);
    setWindowTitle(tr("VT306 config"));
    for (int bit = 0; bit < 3; ++bit)
        m_statusBits[bit] = (m_settings.statusFlags >> bit) & 1;

    auto* groups = new QHBoxLayout;
    groups->addWidget(createParameterGroup());
    groups->addWidget(createControlGroup());
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(groups);
    outer->addWidget(okCancelButtons(this));
    outer->setSizeConstraint(QLayout::SetFixedSize);

    bindControls();
    refresh();
    m_initialWindow->setFocus();
}

QWidget* CPanelSettingsDialog::createParameterGroup()
{
    auto* group = new QGroupBox(tr("VT306 parameter"));
    auto* grid = new QGridLayout(group);
    m_initialWindow = numberEdit();
    m_password = numberEdit();
    m_saverDelay = new CBoundComboBox;
    m_saverWindow = numberEdit();
    grid->addWidget(new QLabel(tr("Initial Window:")), 0, 0);
    grid->addWidget(numberField(m_initialWindow), 0, 1);
    grid->addWidget(new QLabel(tr("Password:")), 1, 0);
    grid->addWidget(numberField(m_password), 1, 1);
    grid->addWidget(new QLabel(tr("Screen saver:")), 2, 0);
    grid->addWidget(m_saverDelay, 2, 1);
    m_saverAction = new QButtonGroup(this);
    auto* backlightOff = new QRadioButton(tr("Backlight Off"));
    auto* showWindow = new QRadioButton(tr("Show window"));
    m_saverAction->addButton(backlightOff, 0);
    m_saverAction->addButton(showWindow, 1);
    grid->addWidget(backlightOff, 3, 0, 1, 2);
    grid->addWidget(showWindow, 4, 0);
    grid->addWidget(numberField(m_saverWindow), 4, 1);
    grid->setRowStretch(5, 1);
    return group;
}

QWidget* CPanelSettingsDialog::createControlGroup()
{
    auto* group = new QGroupBox(tr("VT306 Control"));
    auto* column = new QVBoxLayout(group);
    auto* operand = new QGridLayout;
    m_type = new CBoundComboBox;
    m_address = numberEdit();
    m_station = numberEdit();
    operand->addWidget(new QLabel(tr("Control Reg:")), 0, 0);
    operand->addWidget(m_type, 0, 1);
    operand->addWidget(numberField(m_address), 0, 2);
    operand->addWidget(new QLabel(tr("Station No.:")), 1, 0);
    operand->addWidget(numberField(m_station), 1, 1, 1, 2);
    column->addLayout(operand);

    const QString texts[] = {tr("Auto change window"), tr("Report current window"), tr("Use RTC module")};
    const QString directions[] = {QStringLiteral("(VT306<-PLC)"), QStringLiteral("(VT306->PLC)"),
                                  QStringLiteral("(VT306->PLC)")};
    auto* status = new QGroupBox(tr("Status"));
    auto* peripheral = new QGroupBox(tr("Peripheral"));
    auto* statusGrid = new QGridLayout(status);
    auto* peripheralGrid = new QGridLayout(peripheral);
    for (int bit = 0; bit < 3; ++bit) {
        QGridLayout* grid = bit < 2 ? statusGrid : peripheralGrid;
        const int row = bit == 1 ? 2 : 0;
        m_status[bit] = new CBoundCheckBox(texts[bit]);
        m_directionLabels[bit] = new QLabel(directions[bit]);
        m_addressLabels[bit] = new QLabel(tr("Respond "));
        m_addressLabels[bit]->setMinimumWidth(
            m_addressLabels[bit]->fontMetrics().horizontalAdvance(QStringLiteral(" C_double65535")));
        grid->addWidget(m_status[bit], row, 0);
        grid->addWidget(m_directionLabels[bit], row, 1);
        grid->addWidget(m_addressLabels[bit], row, 2);
        QSizePolicy keepPlace = m_addressLabels[bit]->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        m_addressLabels[bit]->setSizePolicy(keepPlace);
        // After the box's own handler has stored the flag.
        connect(m_status[bit], &QCheckBox::clicked, this, &CPanelSettingsDialog::refresh);
    }
    // The two groups' columns line up.
    int widest = 0;
    for (CBoundCheckBox* box : m_status)
        widest = std::max(widest, box->sizeHint().width());
    for (CBoundCheckBox* box : m_status)
        box->setMinimumWidth(widest);
    auto* buzzer = new QLabel(tr("Control the buzzer"));
    buzzer->setIndent(20);
    statusGrid->addWidget(buzzer, 1, 0, 1, 3);
    column->addWidget(status);
    column->addWidget(peripheral);
    column->addStretch();
    return group;
}

void CPanelSettingsDialog::bindControls()
{
    const CProtocolTables& t = m_project.tables();
    m_initialWindow->Bind(&m_settings.initialWindow, 0, 65535);
    m_password->Bind(&m_settings.password, 0, 10000);
    static const char* const kDelays[] = {QT_TR_NOOP("Never"), QT_TR_NOOP("1Min"),  QT_TR_NOOP("2Min"),
                                          QT_TR_NOOP("3Min"),  QT_TR_NOOP("5Min"),  QT_TR_NOOP("10Min"),
                                          QT_TR_NOOP("15Min"), QT_TR_NOOP("20Min"), QT_TR_NOOP("30Min"),
                                          QT_TR_NOOP("45Min"), QT_TR_NOOP("1Hour")};
    std::vector<std::string> delays;
    for (const char* delay : kDelays)
        delays.push_back(tr(delay).toStdString());
    m_saverDelay->Fill(delays);
    m_saverDelay->Bind(&m_settings.screenSaverDelay);
    if (QAbstractButton* chosen = m_saverAction->button(m_settings.screenSaverAction))
        chosen->setChecked(true);
    m_saverWindow->Bind(&m_settings.screenSaverWindow, 0, 65535);
    m_type->Fill(t.wordList);
    m_type->Bind(&m_settings.controlRegisterType);
    m_address->BindAddress(&m_settings.controlRegisterAddress, t.descriptor().controlAddressFromOne ? 1 : 0,
                           t.registerMax, t);
    m_station->Bind(&m_settings.controlStation, t.stationMin, t.stationMax, t.hexEntry);
    for (int bit = 0; bit < 3; ++bit) {
        m_status[bit]->Bind(&m_statusBits[bit]);
        m_status[bit]->setEnabled(t.show.statusFlagsEnabled == 1);
    }

    connect(m_saverAction, &QButtonGroup::idClicked, this, [this](int id) {
        m_settings.screenSaverAction = static_cast<std::uint8_t>(id);
        refresh();
    });
    connect(m_type, &QComboBox::activated, this, &CPanelSettingsDialog::refresh);
    connect(m_address, &CNumEdit::valueStored, this, &CPanelSettingsDialog::refresh);
}

void CPanelSettingsDialog::refresh()
{
    const CShowFlags& show = m_project.tables().show;
    const CProtocolDescriptor& d = m_project.tables().descriptor();
    const bool used = m_statusBits[0] || m_statusBits[1] || m_statusBits[2];
    // The edits sit in a box with their spins: enabling the box enables both.
    m_saverWindow->parentWidget()->setEnabled(m_settings.screenSaverAction == 1);
    m_address->parentWidget()->setEnabled(used);
    m_station->parentWidget()->setEnabled(used && !d.controlStationFixed);
    m_type->setEnabled(used && show.controlBlockEnabled == 1 && !d.controlAreaFixed);

    const QString type = m_type->currentText() + (d.fileAddresses ? QStringLiteral(":") : QString());
    const unsigned step = m_settings.registerStep;
    const unsigned before[] = {0u, m_statusBits[0], 0u + m_statusBits[0] + m_statusBits[1]};
    for (int bit = 0; bit < 3; ++bit) {
        const bool ticked = m_statusBits[bit] != 0;
        const auto address =
            static_cast<std::uint16_t>(m_settings.controlRegisterAddress + step * before[bit]);
        m_addressLabels[bit]->setText(QStringLiteral(" ") + type + QString::number(address));
        m_addressLabels[bit]->setVisible(ticked);
        m_directionLabels[bit]->setEnabled(ticked);
    }
}

CPanelSettings CPanelSettingsDialog::settings() const
{
    CPanelSettings s = m_settings;
    s.statusFlags = static_cast<std::uint8_t>(m_statusBits[0] | m_statusBits[1] << 1 | m_statusBits[2] << 2);
    return s;
}

} // namespace zl

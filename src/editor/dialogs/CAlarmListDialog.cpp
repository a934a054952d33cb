#include "editor/dialogs/CAlarmListDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "base/Gbk.h"
#include "editor/controls/CBoundControls.h"
#include "editor/dialogs/DialogButtons.h"
#include "editor/controls/CGridCtrl.h"
#include "editor/controls/CNumEdit.h"
#include "editor/controls/CNumSpinCtrl.h"
#include "editor/help/HelpTopics.h"
#include "model/CProject.h"

namespace zl
{
namespace
{

constexpr int kNumberWidth = 60;
constexpr int kCoilTwips = 1000;
constexpr int kTextTwips = 3000;
constexpr int kRowTwips = 240;
constexpr int kShownRows = 17; // the header and the rows Enter walks through
const QString kWidestCoil = QStringLiteral("B13:65535/f");

CNumEdit* numberEdit()
{
    auto* edit = new CNumEdit;
    edit->setFixedWidth(kNumberWidth);
    return edit;
}

// An edit with its spin that keeps its width in a row.
QWidget* fixedField(CNumEdit* edit)
{
    QWidget* field = numberField(edit);
    field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return field;
}

QString shown(const std::string& gbk)
{
    return QString::fromStdString(gbkToUtf8(gbk));
}

} // namespace

CAlarmListDialog::CAlarmListDialog(const CProject& project, QWidget* parent)
    : QDialog(parent), m_project(project), m_list(project.alarms)
{
    help::setHelpTopic(this, help::kAlarmList);
    setWindowTitle(tr("Alarm list"));
    m_list.workingCopy = m_list.texts;

    m_grid = new CGridCtrl(2);
    m_grid->SetColWidth(0, kCoilTwips);
    m_grid->SetColWidth(1, kTextTwips);
    m_grid->SetRowHeight(kRowTwips);
    QTableWidget* table = m_grid->table();
    // The widest coils ("0000 00 00", "B13:65535/f") are wider than the column's usual width.
    const int coilWidth = std::max(table->columnWidth(0), fontMetrics().horizontalAdvance(kWidestCoil) + 12);
    table->setColumnWidth(0, coilWidth);
    m_grid->SetTextMatrix(0, 0, tr("Coil"));
    m_grid->SetTextMatrix(0, 1, tr("Alarm description"));
    table->horizontalHeader()->setStretchLastSection(true);
    const int frame = 2 * table->frameWidth();
    const int gridWidth = coilWidth + TwipsToPixelsX(m_grid, kTextTwips) +
                          table->verticalScrollBar()->sizeHint().width() + frame;
    m_grid->setFixedHeight(TwipsToPixelsY(m_grid, kRowTwips) * kShownRows + frame);
    m_cellEditor = new CBoundTextEdit(m_grid);
    m_cellEditor->hide();
    m_cellEditor->installEventFilter(this);
    table->installEventFilter(this);

    auto* outer = new QVBoxLayout(this);
    QWidget* coil = createCoilGroup();
    outer->addWidget(coil);
    outer->addWidget(m_grid);
    outer->addWidget(okCancelButtons(this));
    outer->setSizeConstraint(QLayout::SetFixedSize);

    bindCoil();
    // As wide as the coil's controls (which the protocol shows) or the columns, whichever is wider.
    m_grid->setFixedWidth(std::max(gridWidth, coil->sizeHint().width()));
    fill();
    connect(m_grid, &CGridCtrl::cellClicked, this, [this](int row, int) { EditRow(row); });
    connect(m_cellEditor, &CBoundTextEdit::textStored, this, &CAlarmListDialog::cellTextChanged);
    m_station->setFocus();
}

QWidget* CAlarmListDialog::createCoilGroup()
{
    auto* group = new QGroupBox(tr("Alarm list initial coil"));
    auto* row = new QHBoxLayout(group);
    m_station = numberEdit();
    m_type = new CBoundComboBox;
    m_address = numberEdit();
    m_subAddress = numberEdit();
    m_subAddress->setToolTip(tr("Sub-address"));
    m_offset = numberEdit();
    m_offsetLabel = new QLabel(tr("Offset:"));
    row->addWidget(new QLabel(tr("Station No.:")));
    row->addWidget(fixedField(m_station));
    row->addWidget(new QLabel(tr("Type:")));
    row->addWidget(m_type);
    row->addWidget(new QLabel(tr("Addr:")));
    row->addWidget(fixedField(m_address));
    row->addWidget(fixedField(m_subAddress));
    row->addWidget(m_offsetLabel);
    row->addWidget(fixedField(m_offset));
    row->addStretch();
    return group;
}

void CAlarmListDialog::bindCoil()
{
    const CProtocolTables& t = m_project.tables();
    const CProtocolDescriptor& d = t.descriptor();
    m_station->Bind(&m_list.station, t.stationMin, t.stationMax, t.hexEntry);
    m_type->Fill(t.alarmBitList);
    m_type->Bind(&m_list.registerType);
    m_address->BindAddress(&m_list.address, d.addressesFromOne ? 1 : 0, t.coilMax, t);
    m_subAddress->Bind(&m_list.subAddress, 0, d.alarmBitInWord ? t.bitMax : 0, true);
    m_offset->Bind(&m_list.offset, 0, m_list.UnitBits(t) - 1, true);
    m_offset->parentWidget()->setVisible(t.show.offset != 0);
    m_offsetLabel->setVisible(t.show.offset != 0);
    showSubAddress();

    connect(m_type, &QComboBox::activated, this, &CAlarmListDialog::typeChanged);
    for (CNumEdit* coil : {m_address, m_subAddress, m_offset})
        connect(coil, &CNumEdit::valueStored, this, &CAlarmListDialog::fill);
}

void CAlarmListDialog::showSubAddress()
{
    const CProtocolDescriptor& d = m_project.tables().descriptor();
    bool visible = m_project.tables().show.bitNumber != 0 && !d.alarmSubAddressHidden;
    if (*d.alarmWordBitType)
        visible = m_type->currentText() == QLatin1String(d.alarmWordBitType);
    m_subAddress->parentWidget()->setVisible(visible);
}

void CAlarmListDialog::typeChanged()
{
    showSubAddress();
    const CProtocolTables& t = m_project.tables();
    m_offset->SetRange(0, m_list.UnitBits(t) - 1);
    const std::size_t limit = m_list.TextLimit(t);
    if (m_list.texts.size() > limit) {
        m_list.texts.resize(limit);
        hideCellEditor();
    }
    fill();
}

void CAlarmListDialog::fill()
{
    const CProtocolTables& t = m_project.tables();
    auto& texts = m_list.texts;
    std::vector<QString> labels;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto label = m_list.CoilLabel(i, t);
        if (!label) { // this bit and the ones after it lie past the coil's register
            texts.resize(i);
            hideCellEditor();
            break;
        }
        labels.push_back(QString::fromStdString(*label));
    }
    const std::size_t n = texts.size();
    m_grid->SetRows(static_cast<int>(n) + (n < m_list.TextLimit(t) ? 2 : 1));
    for (int row = 1; row < m_grid->Rows(); ++row) {
        const std::size_t i = static_cast<std::size_t>(row - 1);
        m_grid->SetTextMatrix(row, 0, i < n ? labels[i] : QString());
        m_grid->SetTextMatrix(row, 1, i < n ? shown(texts[i]) : QString());
    }
}

void CAlarmListDialog::EditRow(int row)
{
    if (row < 1 || row >= m_grid->Rows())
        return;
    m_row = row;
    const auto i = static_cast<std::size_t>(row - 1);
    m_cellText = i < m_list.texts.size() ? m_list.texts[i] : std::string();
    m_cellEditor->Bind(&m_cellText, kTextLimit);
    m_grid->PlaceEditor(m_cellEditor, row, 1);
}

void CAlarmListDialog::hideCellEditor()
{
    m_grid->HideEditor();
}

void CAlarmListDialog::cellTextChanged()
{
    auto& texts = m_list.texts;
    const std::size_t n = texts.size();
    const auto r = static_cast<std::size_t>(m_row);
    if (r < 1 || r > n + 1)
        return;
    if (r == n + 1) {
        if (m_cellText.empty())
            return;
        texts.push_back(m_cellText);
    } else if (!m_cellText.empty()) {
        texts[r - 1] = m_cellText;
    } else {
        // A cleared text in the middle keeps its place, so the alarms after it keep their bits; at the
        // end it goes, with the empty texts before it.
        texts[r - 1].clear();
        const bool textAfter = std::any_of(texts.begin() + static_cast<std::ptrdiff_t>(r), texts.end(),
                                           [](auto& s) { return !s.empty(); });
        if (!textAfter) {
            while (!texts.empty() && texts.back().empty())
                texts.pop_back();
        }
        hideCellEditor();
    }
    fill();
}

void CAlarmListDialog::nextRow()
{
    if (m_cellText.empty())
        return;
    if (static_cast<std::size_t>(m_row) >= m_list.TextLimit(m_project.tables())) {
        EditRow(1);
    } else if (m_row >= kLastEnterRow) {
        hideCellEditor();
    } else {
        EditRow(m_row + 1);
    }
}

bool CAlarmListDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_cellEditor && enter) {
        nextRow(); // Enter in the editor never closes the dialog
        return true;
    }
    if (watched == m_grid->table() && key == Qt::Key_F2) {
        // The keyboard's way into a cell: the current row.
        EditRow(m_grid->table()->currentRow() + 1);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CAlarmListDialog::accept()
{
    auto& texts = m_list.texts;
    while (!texts.empty() && texts.back().empty())
        texts.pop_back();
    QDialog::accept();
}

void CAlarmListDialog::reject()
{
    m_list.texts = m_list.workingCopy;
    QDialog::reject();
}

} // namespace zl

#pragma once
// "Alarm list": the initial coil of the alarm bits at the top, and below it a grid of the alarms, each
// row the PLC bit of one alarm and its text, edited in place. The dialog edits a copy of the project's
// alarm list; when it closes, `alarms()` holds the result ("Cancel" and Escape put the texts back as they
// were, but keep a changed coil), which the caller stores into the project in one step.
#include <QDialog>

#include <string>

#include "model/CAlarmList.h"

class QLabel;

namespace zl
{

class CBoundComboBox;
class CBoundTextEdit;
class CGridCtrl;
class CNumEdit;
class CProject;

class CAlarmListDialog : public QDialog
{
    Q_OBJECT
public:
    // Rows the editor moves down to with Enter; below it Enter leaves the grid.
    static constexpr int kLastEnterRow = 16;
    // Bytes of one alarm text, as many as a panel line shows.
    static constexpr std::size_t kTextLimit = 24;

    CAlarmListDialog(const CProject& project, QWidget* parent = nullptr);

    const CAlarmList& alarms() const { return m_list; }

    CGridCtrl* grid() const { return m_grid; }
    CBoundTextEdit* cellEditor() const { return m_cellEditor; }
    // The grid row being edited (1 = the first alarm).
    int editedRow() const { return m_row; }
    // Starts editing the text of grid row `row`, as a click on it does.
    void EditRow(int row);
    CNumEdit* stationEdit() const { return m_station; }
    CBoundComboBox* typeCombo() const { return m_type; }
    CNumEdit* addressEdit() const { return m_address; }
    CNumEdit* subAddressEdit() const { return m_subAddress; }
    CNumEdit* offsetEdit() const { return m_offset; }

public slots:
    // Empty texts at the end are dropped.
    void accept() override;
    // The texts go back to what they were at opening; the coil stays as edited.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createCoilGroup();
    void bindCoil();
    // The cell editor's text changed: append, change or clear a text.
    void cellTextChanged();
    // Enter in the cell editor: on to the next row (or back to the first at the limit).
    void nextRow();
    void typeChanged();
    void showSubAddress();
    // Row count and cells after a change of the texts or the coil.
    void fill();
    void hideCellEditor();

    const CProject& m_project;
    CAlarmList m_list;
    std::string m_cellText; // GBK
    int m_row = 0;
    CNumEdit* m_station = nullptr;
    CBoundComboBox* m_type = nullptr;
    CNumEdit* m_address = nullptr;
    CNumEdit* m_subAddress = nullptr;
    QLabel* m_offsetLabel = nullptr;
    CNumEdit* m_offset = nullptr;
    CGridCtrl* m_grid = nullptr;
    CBoundTextEdit* m_cellEditor = nullptr;
};

} // namespace zl

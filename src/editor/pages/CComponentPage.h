#pragma once
// What every component property page shares: the titled group, the position fields, the PLC operand
// fields, and the way a user's change becomes one edit. A page binds its controls to the fields of the
// component it is given (the controls write the fields as the user types or clicks); a control's write
// and the page's rules for that control run as one change through the page's edit gate, which the owner
// records as one undoable step, and `edited` reports it.
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "editor/controls/CFieldGate.h"

class QBoxLayout;
class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace zl
{

class CBase;
class CBoundCheckBox;
class CBoundComboBox;
class CBoundRadioGroup;
class CBoundTextEdit;
class CNumEdit;
struct CProtocolTables;

// The operand fields of a page: station, register type, address, sub-address (or bit offset) and, under
// the protocol that names its data, the variable ("SubType") instead of the sub-address.
struct COperandFields {
    QString stationText, typeText, addressText, subText; // their labels, for the page's layout
    QLabel* stationLabel = nullptr;
    CNumEdit* station = nullptr;
    QLabel* typeLabel = nullptr;
    CBoundComboBox* type = nullptr;
    QLabel* addressLabel = nullptr;
    CNumEdit* address = nullptr;
    QLabel* subLabel = nullptr;
    CNumEdit* sub = nullptr;
    QLabel* subTypeLabel = nullptr;
    CBoundComboBox* subType = nullptr;
};

// Which operand a page edits: the register type list, the named-variable use, the address limit and
// whether the sub-address field is shown.
struct COperandKind {
    int listKind = 1;
    int variableKind = 1;
    std::uint16_t addressMax = 0;
    bool subAddressShown = false;
    bool subAddressHex = false; // entered in hexadecimal whatever the protocol's base
};

class CComponentPage : public QWidget
{
    Q_OBJECT
public:
    // Panel pixels per canvas pixel and back.
    static constexpr double kPanelPerCanvas = 0.4444444444444444;
    static constexpr double kCanvasPerPanel = 2.25;

    CComponentPage(const QString& title, QWidget* parent = nullptr);

    // Binds the page to `component` under the protocol's tables and shows its fields. The component and
    // the tables must outlive the binding (the next Load replaces it).
    void Load(CBase* component, const CProtocolTables& tables);
    // Lets go of the component (it is about to go away): no control writes it any more.
    void Unbind();
    // The x and y fields follow the component after it was moved elsewhere (a drag).
    void ShowPosition();
    CBase* component() const { return m_component; }
    QGroupBox* group() const { return m_group; }
    CNumEdit* xEdit() const { return m_x; }
    CNumEdit* yEdit() const { return m_y; }
    // Whether the page handles components of `typeCode`.
    virtual bool Handles(int typeCode) const = 0;

    // Where the page's changes of its component go: the owner runs `change` as one step named `step`
    // (steps with the same non-empty `mergeKey` merge). Without a gate the page changes the component
    // directly.
    using EditGate = std::function<void(const QString& step, const QString& mergeKey,
                                        const std::function<void()>& change)>;
    void setEditGate(EditGate gate) { m_editGate = std::move(gate); }
    // Whether binding may fit the component to the page's rules: only while a step makes it (placing,
    // pasting), which then holds the fit. Otherwise showing a component leaves it as it is. Without this
    // (a page on its own) binding fits.
    void setFitsOnBinding(std::function<bool()> fits) { m_fitsOnBinding = std::move(fits); }

signals:
    // The user changed the component (through the edit gate).
    void edited();

protected:
    // Binds every control to the component's fields (m_component and m_tables are set, changes are not
    // reported while it runs).
    virtual void Bind() = 0;
    // The page's rules after the user changed `source`, before the change is reported.
    virtual void Rules(QObject* source) { (void)source; }
    // After the position fields were set from the component.
    virtual void PositionShown() {}

    // The tab order follows the layout of the shown fields: rows from the top, each from the left.
    void showEvent(QShowEvent* event) override;
    void OrderTabs();

    const CProtocolTables& tables() const { return *m_tables; }
    unsigned protocol() const;
    // Whether the protocol names its operands by variables ("SubType") instead of sub-addresses.
    bool namedVariables() const;
    QGridLayout* grid() const { return m_grid; }
    // `text`, marked QT_TR_NOOP in the page's own class, in the interface language.
    QString pageText(const char* text) const;

    // Controls that report their user changes; `name` names the step and, for fields, the merge key.
    // Names and items are English, marked QT_TR_NOOP where the page gives them: the page shows them in
    // the interface language (pageText), while the controls' object names stay English.
    CNumEdit* number(const QString& name);
    CBoundCheckBox* check(const char* text);
    CBoundComboBox* combo(const QString& name, const std::vector<std::string>& items = {});
    CBoundTextEdit* textEdit(const QString& name);
    CBoundRadioGroup* radios(const QString& name);
    // A label and a number field with its spin in two cells of the page's grid (or of `into`).
    QWidget* addNumber(const QString& label, CNumEdit* edit, int row, int col, QLabel** labelOut = nullptr,
                       QGridLayout* into = nullptr);
    void addLabelled(const QString& label, QWidget* widget, int row, int col, QLabel** labelOut = nullptr,
                     QGridLayout* into = nullptr);

    // The "X:" and "Y:" fields at `row` (columns 0–3).
    void addPosition(int row);
    // Binds x and y with the ranges that keep the rectangle on the panel.
    void BindPosition();
    // The largest x and y the position fields offer: the component still on the panel.
    virtual double maxX() const;
    virtual double maxY() const;
    // After a change of size: places the component again, shows its position and narrows the x range
    // (and the y range when `height` is set).
    void Refit(bool height);

    // Creates the operand fields; the page lays them out.
    COperandFields makeOperand(const QString& stationLabel, const QString& typeLabel,
                               const QString& addressLabel, const QString& subLabel);
    // Lays the operand fields out in two label-and-field pairs per row from (row, col): station and type,
    // address and sub-address, then the variable. Returns the first row after them.
    int addOperand(COperandFields& fields, int row, int col, QGridLayout* into = nullptr);
    // Binds station, type, address, sub-address and variable to the component's operand.
    void BindOperand(COperandFields& fields, const COperandKind& kind);
    // After the register type changed: the address base, the variable list and the derived variable.
    void OperandTypeChanged(COperandFields& fields, const COperandKind& kind);
    // Whether `source` is one of the controls whose change selects another register or variable.
    static bool IsTypeChange(const COperandFields& fields, QObject* source);
    // The operand of the pages that read a PLC word (register, dynamic text, bar and trend).
    COperandKind WordOperand() const;
    // Binds the word count, shown with its label as the protocol's show flag says. Areas of one size only
    // fix it, disabling the field, as the protocol's type locks say; the locks meant for the register page
    // only apply where `registerPage` is set.
    void BindWordCount(CNumEdit* words, QLabel* label, bool registerPage);
    // The value format radios, "HEX/BCD" (0) and "DEC" (1), into `row`.
    static void addFormat(CBoundRadioGroup* format, QBoxLayout* row);
    // HEX/BCD values have no sign: the format unticks and disables "Signed", DEC enables it.
    void ApplyFormat(CBoundCheckBox* signedBox);
    // Lowest address the protocol accepts.
    std::uint16_t addressMin() const;

    // Runs `act` without reporting the controls' writes as user changes.
    template <class F> void quietly(F&& act)
    {
        const bool was = m_quiet;
        m_quiet = true;
        act();
        m_quiet = was;
    }

    CBase* m_component = nullptr;
    const CProtocolTables* m_tables = nullptr;

private:
    // Runs `act` through the edit gate.
    void change(const QString& step, const QString& mergeKey, const std::function<void()>& act);
    // A control writes its field: the write and the rules for it are one change.
    void controlWrite(QObject* control, const std::function<void()>& write);
    // The control's writes go through controlWrite.
    template <class Control> void gateWrites(Control* control)
    {
        control->setGate(
            [this, control](const std::function<void()>& write) { controlWrite(control, write); });
        if constexpr (std::is_base_of_v<QWidget, Control>)
            control->installEventFilter(this); // its focus-out ends a typing burst
    }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void userChanged(QObject* source);
    // The rules every page has (the position) and then the page's own.
    void ownRules(QObject* source);
    QString stepFor(QObject* control) const;
    void bindAddress(COperandFields& fields, const COperandKind& kind);
    void fillVariables(COperandFields& fields, const COperandKind& kind);

    QGroupBox* m_group;
    QGridLayout* m_grid;
    CNumEdit* m_x = nullptr;
    CNumEdit* m_y = nullptr;
    bool m_quiet = false;
    EditGate m_editGate;
    std::function<bool()> m_fitsOnBinding;
    bool m_changing = false;
    QObject* m_ruled = nullptr;      // the control whose rules ran with its write
    QObject* m_burstField = nullptr; // the field being typed into; its writes merge
    unsigned m_burst = 0;
};

} // namespace zl

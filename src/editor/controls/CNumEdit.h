#pragma once
// An edit holding one number: every keystroke that would leave the range or form no number is undone at
// once, and every accepted change is written straight into the bound field. In a range that leaves out 0
// (a minimum of 16) a shorter number is on its way there: it is kept while typing, and the range applies
// when the entry is complete (Enter, or the focus leaves), with a note to the user when it clamps.
#include <QLineEdit>

#include <cstdint>
#include <string_view>
#include <variant>

#include "editor/controls/CFieldGate.h"
#include "base/CNumValue.h"

namespace zl
{

class CNumSpinCtrl;
struct CProtocolTables;

class CNumEdit : public QLineEdit, public CFieldGate
{
    Q_OBJECT
public:
    explicit CNumEdit(QWidget* parent = nullptr);
    ~CNumEdit() override;

    // Binds a field: clears the old binding, sets step, sign and range, binds, sets the base and shows the
    // field's value brought into the range, writing that value back. `keepOctal` keeps a previous octal
    // base (addresses of the one protocol that counts them in octal).
    template <class T>
    void Bind(T* field, double minimum, double maximum, bool hex = false, bool isSigned = false,
              std::uint8_t step = 1, bool keepOctal = false)
    {
        Unbind();
        SetStep(step);
        m_value.isSigned = isSigned;
        SetRange(minimum, maximum);
        m_field = field;
        m_value.hex = hex;
        if (!keepOctal)
            m_value.octal = false;
        SetValue(static_cast<std::int64_t>(*field));
    }
    // The 16-bit binding for addresses shown in octal (or not).
    void BindOctal(std::uint16_t* field, double minimum, double maximum, bool octal, std::uint8_t step = 1);
    // A PLC address in the protocol's own base: octal or hexadecimal where the protocol counts so, octal
    // also where the protocol counts the addresses of register type `typeName` so.
    void BindAddress(std::uint16_t* field, double minimum, double maximum, const CProtocolTables& tables,
                     std::string_view typeName = {});
    void Unbind() { m_field = std::monostate{}; }

    void ChangeBy(int count);
    void SetStep(std::uint8_t step) { m_value.step = step; }
    void SetRange(double minimum, double maximum);
    CNumValue::Status Validate() const;
    void SetValue(std::int64_t value);
    std::int64_t GetValue() const;

    const CNumValue& value() const { return m_value; }
    // Set while the user changes the text with the keyboard focus in the edit.
    bool editing() const { return m_editing; }
    void resetEditing() { m_editing = false; }
    void setSpin(CNumSpinCtrl* spin) { m_spin = spin; }

signals:
    // The bound field was written from the edit.
    void valueStored();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextChanged();
    void store(std::int64_t value);
    void refuse(std::int64_t oldValue);
    bool incomplete() const;
    // Brings an incomplete entry into the range and stores it.
    void complete();

    using Field = std::variant<std::monostate, std::uint8_t*, std::uint16_t*, std::uint32_t*, std::int32_t*>;
    CNumValue m_value;
    Field m_field;
    CNumSpinCtrl* m_spin = nullptr;
    bool m_editing = false;
    bool m_discarding = false; // drop the characters already queued after a refused one
};

} // namespace zl

#pragma once
// The function key's page: the key, its look, and what it does — set a coil, jump to a window or write a
// register — with the jump and coil sub-pages beside it, one shown at a time.
#include "editor/pages/CComponentPage.h"

class QGroupBox;

namespace zl
{

class CFunctionPage : public CComponentPage
{
    Q_OBJECT
public:
    explicit CFunctionPage(QWidget* parent = nullptr);
    bool Handles(int typeCode) const override;

    CBoundComboBox* keyBox() const { return m_key; }
    CBoundCheckBox* handBox() const { return m_hand; }
    CBoundRadioGroup* actionRadios() const { return m_action; }
    CBoundRadioGroup* jumpRadios() const { return m_jump; }
    CBoundRadioGroup* coilRadios() const { return m_coil; }
    CNumEdit* windowEdit() const { return m_window; }
    CNumEdit* valueEdit() const { return m_value; }
    CBoundComboBox* formatBox() const { return m_format; }
    const COperandFields& operand() const { return m_operand; }
    QGroupBox* jumpPage() const { return m_jumpPage; }
    QGroupBox* coilPage() const { return m_coilPage; }

protected:
    void Bind() override;
    void Rules(QObject* source) override;

private:
    COperandKind operandKind() const;
    // Shows the sub-page of the action and binds the coil sub-page's operand for it.
    void showAction();
    void bindValue();

    CBoundCheckBox* m_reverse;
    CBoundCheckBox* m_double;
    CBoundComboBox* m_key;
    CBoundCheckBox* m_hand;
    CBoundCheckBox* m_invisible;
    CBoundCheckBox* m_password;
    CBoundRadioGroup* m_action;
    QGroupBox* m_jumpPage;
    CBoundRadioGroup* m_jump;
    CNumEdit* m_window;
    QGroupBox* m_coilPage;
    COperandFields m_operand;
    CBoundComboBox* m_format;
    QLabel* m_formatLabel = nullptr;
    QLabel* m_valueLabel = nullptr;
    CNumEdit* m_value;
    CBoundRadioGroup* m_coil;
    QWidget* m_coilButtons;
};

} // namespace zl

#pragma once
// The register's page: display format, the PLC register, value entry with its limits and scaling.
#include "editor/pages/CComponentPage.h"

namespace zl
{

class CRegisterPage : public CComponentPage
{
    Q_OBJECT
public:
    explicit CRegisterPage(QWidget* parent = nullptr);
    bool Handles(int typeCode) const override;

    const COperandFields& operand() const { return m_operand; }
    CNumEdit* digitsEdit() const { return m_digits; }
    CNumEdit* decimalsEdit() const { return m_decimals; }
    CNumEdit* wordsEdit() const { return m_words; }
    CNumEdit* limitEdit(int i) const { return m_limits[i]; } // max input, min input, eng. max, eng. min
    CBoundCheckBox* signedBox() const { return m_signed; }
    CBoundCheckBox* setBox() const { return m_set; }
    CBoundCheckBox* passwordBox() const { return m_password; }
    CBoundCheckBox* limitedBox() const { return m_limited; }
    CBoundComboBox* scalingBox() const { return m_scaling; }
    CBoundRadioGroup* modeRadios() const { return m_mode; }

protected:
    void Bind() override;
    void Rules(QObject* source) override;

private:
    // `fit`: a user's edit, after which the page's rules also change the fields; binding only shows them.
    void applyTypeLocks(bool fit);
    void bindLimits(bool fit);
    void enableEntry(bool fit);

    CBoundCheckBox* m_double;
    CBoundCheckBox* m_reverse;
    CNumEdit* m_digits;
    CNumEdit* m_decimals;
    CBoundCheckBox* m_signed;
    CBoundRadioGroup* m_mode;
    COperandFields m_operand;
    CNumEdit* m_words;
    QLabel* m_wordsLabel = nullptr;
    CBoundCheckBox* m_set;
    CBoundCheckBox* m_password;
    CBoundCheckBox* m_limited;
    CBoundComboBox* m_scaling;
    CNumEdit* m_limits[4];
};

} // namespace zl

#pragma once
// The LED's page: shape, logic, double size, position and the PLC bit it shows.
#include "editor/pages/CComponentPage.h"

namespace zl
{

class CLedPage : public CComponentPage
{
    Q_OBJECT
public:
    explicit CLedPage(QWidget* parent = nullptr);
    bool Handles(int typeCode) const override;
    const COperandFields& operand() const { return m_operand; }
    CNumEdit* offsetEdit() const { return m_offset; }

protected:
    void Bind() override;
    void Rules(QObject* source) override;

private:
    COperandKind operandKind() const;
    void bindOffset();

    CBoundCheckBox* m_double;
    CBoundComboBox* m_shape;
    CBoundComboBox* m_logic;
    COperandFields m_operand;
    CNumEdit* m_offset;
    QLabel* m_offsetLabel = nullptr;
};

} // namespace zl

#pragma once
// The dynamic text's page: format, the PLC register, and the grid of (value, content) entries, each
// edited by an editor laid over the clicked cell.
#include "editor/pages/CComponentPage.h"

namespace zl
{

class CGridCtrl;

class CDynamicPage : public CComponentPage
{
    Q_OBJECT
public:
    static constexpr int kValueColumn = 0;
    static constexpr int kContentColumn = 1;

    explicit CDynamicPage(QWidget* parent = nullptr);
    bool Handles(int typeCode) const override;

    CGridCtrl* grid() const { return m_grid; }
    CNumEdit* valueEditor() const { return m_valueEditor; }
    CBoundTextEdit* contentEditor() const { return m_contentEditor; }
    CBoundCheckBox* signedBox() const { return m_signed; }
    CBoundRadioGroup* modeRadios() const { return m_mode; }
    const COperandFields& operand() const { return m_operand; }

protected:
    void Bind() override;
    void Rules(QObject* source) override;
    // Enter and Escape neither close nor activate anything here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The value editor's range for the type and sign; the entries are brought into it.
    void bindValueRange(std::int64_t minimum, std::int64_t maximum);
    void fillGrid();
    void editCell(int row, int col);
    void commitCell(int column);

    CBoundCheckBox* m_double;
    CBoundCheckBox* m_reverse;
    CBoundRadioGroup* m_mode;
    CBoundCheckBox* m_signed;
    COperandFields m_operand;
    CGridCtrl* m_grid;
    CNumEdit* m_valueEditor;
    CBoundTextEdit* m_contentEditor;
    int m_shownMode = -1;
};

} // namespace zl

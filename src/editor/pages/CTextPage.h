#pragma once
// The static text's page: its text, double size, reverse video and position.
#include "editor/pages/CComponentPage.h"

namespace zl
{

class CTextPage : public CComponentPage
{
    Q_OBJECT
public:
    explicit CTextPage(QWidget* parent = nullptr);
    bool Handles(int typeCode) const override;
    CBoundTextEdit* textField() const { return m_text; }
    CBoundCheckBox* doubleBox() const { return m_double; }

protected:
    void Bind() override;
    void Rules(QObject* source) override;

private:
    CBoundTextEdit* m_text;
    CBoundCheckBox* m_double;
    CBoundCheckBox* m_reverse;
};

} // namespace zl

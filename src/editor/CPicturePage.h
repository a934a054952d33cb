#pragma once
// The picture's page: its position, and its size shown but not editable.
#include "editor/CComponentPage.h"

namespace zl
{

class CPicturePage : public CComponentPage
{
    Q_OBJECT
public:
    explicit CPicturePage(QWidget* parent = nullptr);
    bool Handles(int typeCode) const override;
    CNumEdit* widthEdit() const { return m_width; }
    CNumEdit* heightEdit() const { return m_height; }

protected:
    void Bind() override;

private:
    CNumEdit* m_width;
    CNumEdit* m_height;
    std::int32_t m_shownWidth = 0; // copies: the size cannot be changed here
    std::int32_t m_shownHeight = 0;
};

} // namespace zl

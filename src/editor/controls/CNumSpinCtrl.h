#pragma once
// The up-down arrows beside a numeric edit. They keep no number: every click steps the buddy edit.
#include <QWidget>

#include <cstdint>

namespace zl
{

class CNumEdit;

class CNumSpinCtrl : public QWidget
{
    Q_OBJECT
public:
    explicit CNumSpinCtrl(QWidget* parent = nullptr);
    ~CNumSpinCtrl() override;

    void SetBuddy(CNumEdit* edit);
    CNumEdit* GetBuddy() const { return m_buddy; }
    void SetStep(std::uint8_t step);
    void SetRange(double minimum, double maximum);
    std::int64_t GetPos() const;
    void SetPos(std::int64_t value);

    // One click of an arrow: +1 up, −1 down.
    void Click(int direction);

private:
    CNumEdit* m_buddy = nullptr;
};

// `edit` with a spin at its right, in one widget for a form or a grid.
QWidget* numberField(CNumEdit* edit, QWidget* parent = nullptr);

} // namespace zl

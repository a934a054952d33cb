#pragma once
// The page the bar graph and the trend line share: size, the PLC register, its value range, and the
// bar's direction or the trend line's sampling.
#include "editor/pages/CComponentPage.h"
#include "model/CBase.h"

namespace zl
{

class CBarTidePage : public CComponentPage
{
    Q_OBJECT
public:
    explicit CBarTidePage(QWidget* parent = nullptr);
    bool Handles(int typeCode) const override;

    CNumEdit* widthEdit() const { return m_width; }
    CNumEdit* heightEdit() const { return m_height; }
    CNumEdit* highEdit() const { return m_high; }
    CNumEdit* lowEdit() const { return m_low; }
    CNumEdit* wordsEdit() const { return m_words; }
    CNumEdit* dotsEdit() const { return m_dots; }
    CBoundComboBox* directionBox() const { return m_direction; }
    CBoundCheckBox* signedBox() const { return m_signed; }
    CBoundRadioGroup* modeRadios() const { return m_mode; }
    const COperandFields& operand() const { return m_operand; }

protected:
    void Bind() override;
    void Rules(QObject* source) override;
    void PositionShown() override;
    // Rounded as the component's own placement against the panel's edges rounds them.
    double maxX() const override { return m_component->EdgePanelX(); }
    double maxY() const override { return m_component->EdgePanelY(); }

private:
    bool isBar() const;
    // `fit`: after a user's change, when a change of sign also converts the stored values.
    void bindRange(bool fit);
    void bindSize();

    CNumEdit* m_width;
    CNumEdit* m_height;
    COperandFields m_operand;
    CNumEdit* m_words;
    QLabel* m_wordsLabel = nullptr;
    CBoundCheckBox* m_signed;
    CBoundRadioGroup* m_mode;
    CNumEdit* m_high;
    CNumEdit* m_low;
    QLabel* m_directionLabel = nullptr;
    CBoundComboBox* m_direction;
    std::uint8_t m_directionShown = 0; // the combo's byte: the bar turns only through SetDirection
    QWidget* m_trend;
    CNumEdit* m_dots;
    CNumEdit* m_interval;
};

} // namespace zl

#pragma once
// The picture's page: its position, and its size shown but not editable. While its picture has not
// taken its image yet, the page keeps asking for the canvas to be drawn again.
#include "editor/pages/CComponentPage.h"

class QTimer;

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
    // Whether the page keeps asking for redraws.
    bool redrawing() const;

signals:
    // The canvas should be drawn again.
    void redrawWanted();

protected:
    void Bind() override;

private:
    bool imagePending() const;
    void redrawPass();

    CNumEdit* m_width;
    CNumEdit* m_height;
    std::int32_t m_shownWidth = 0; // copies: the size cannot be changed here
    std::int32_t m_shownHeight = 0;
    QTimer* m_redraw;
};

} // namespace zl

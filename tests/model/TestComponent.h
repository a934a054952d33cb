#pragma once
// A minimal component for testing windows and placement without the real component kinds: a fixed-size
// box that sets its rectangle and panel position from the canvas point like every component does.
#include <memory>

#include "model/CBase.h"

namespace zl::test {

class CBox : public CBase {
public:
    CBox(int width, int height, int id = 0) : CBase(3), m_width(width), m_height(height), id(id) {}

    const char* GetRuntimeClass() const override { return "CBox"; }
    std::unique_ptr<CBase> Clone() const override { return std::make_unique<CBox>(*this); }
    void MoveTo(int cx, int cy) override
    {
        rect = {cx, cy, cx + m_width, cy + m_height};
        x = canvasToPanel(cx);
        y = canvasToPanel(cy);
    }
    void CalcDownloadSize(CCompileContext&) override { downloadSize = 6; }

private:
    int m_width;
    int m_height;

public:
    int id;
};

} // namespace zl::test

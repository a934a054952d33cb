#pragma once
// The preview canvas of a window, composed as the editor shows it: the dark panel field with its dot
// grid, the components from the tail of the list to the head (so the selected head is on top), and the
// dotted outline of the selection or of a component waiting to be placed.
#include <optional>

#include "render/CPainter.h"

namespace zl {

class CMainView;

// Nothing is painted without a window. `outline` is drawn dotted, corners included: for a selection pass
// CMainView::SelectionRect, whose right and bottom are the component's last pixels.
void PaintCanvas(const CMainView* window, CPainter& painter, std::optional<CRect> outline);

} // namespace zl

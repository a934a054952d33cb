#pragma once
// The images of the toolbar buttons (and of the menu items with the same command), drawn in code in one
// style: 18 × 17 pixels, dark outlines, a few flat colours.
#include <QIcon>

namespace zl
{

// The image of a toolbar command; `variant` tells apart buttons that share a command id.
QIcon toolIcon(int command, int variant = 0);
// The program's own icon, also shown by the About box and the splash window.
QIcon applicationIcon();

} // namespace zl

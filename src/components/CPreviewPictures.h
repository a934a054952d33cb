#pragma once
// The pictures of the LED and the function key on the preview: 36 × 36 canvas pixels in the two canvas
// colours, made from the panel's own 16 × 16 glyphs of the lamps, the keys and the hand, so the preview
// shows what the panel shows.
//   0 … 3    the lamps: round unlit (ring), round lit (disc), square unlit, square lit
//   4 + 3k   key k, normal: light symbol on dark
//   5 + 3k   key k, reverse: dark symbol on light
//   6 + 3k   key k, invisible: the symbol dotted, light on dark
//   64, 65   the hand, normal and reverse
#include "render/CPainter.h"

namespace zl {

constexpr unsigned kPreviewPictureCount = 66;
constexpr int kPreviewPictureSize = 36;

// Set bits are light; an index past the last gives a blank (dark) picture.
CMonoBitmap PreviewPictureBits(unsigned index);

// The picture stretched over `target`.
void DrawPreviewPicture(CPainter& painter, unsigned index, const CRect& target);

} // namespace zl

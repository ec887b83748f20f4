#pragma once
#include <cstdint>
#include <string>

#include <cairo.h>

#include "platform/WinTypes.h"
#include "support/CSkinImage.h"

namespace velmoor {

class CSkinFont;

// The drawing operations of the skin, in pixel units. Sprite strips hold a button's states as
// equal frames, side by side or stacked; a frame is picked by its source rectangle.

// The whole image stretched into `dst`.
void DrawImage(cairo_t* cr, const CSkinImage& image, const RECT& dst);
// The part `src` of the image drawn into `dst` (scaled when the sizes differ).
void DrawImagePart(cairo_t* cr, const CSkinImage& image, const RECT& dst, const RECT& src);
// Frame `row` of a vertically stacked strip whose frames are dst's size.
void DrawStackedFrame(cairo_t* cr, const CSkinImage& image, const RECT& dst, int row);
// Frame `column` of a side-by-side strip whose frames are dst's size.
void DrawSideFrame(cairo_t* cr, const CSkinImage& image, const RECT& dst, int column);
void FillSolid(cairo_t* cr, const RECT& rect, std::uint32_t argb);
// Text at a point, no wrapping or clipping; `origin` is the top-left corner of the text.
void DrawString(cairo_t* cr, const std::string& text, const CSkinFont& font, POINT origin, std::uint32_t argb);

}  // namespace velmoor

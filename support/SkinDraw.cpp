#include "support/SkinDraw.h"

#include <pango/pangocairo.h>

#include "support/CSkinFont.h"

namespace velmoor {

namespace {

void SetArgb(cairo_t* cr, std::uint32_t argb)
{
    cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                          ((argb >> 24) & 0xFF) / 255.0);
}

}  // namespace

void DrawImagePart(cairo_t* cr, const CSkinImage& image, const RECT& dst, const RECT& src)
{
    if (image.IsEmpty() || dst.Width() <= 0 || dst.Height() <= 0 || src.Width() <= 0 || src.Height() <= 0)
        return;
    cairo_save(cr);
    cairo_rectangle(cr, dst.left, dst.top, dst.Width(), dst.Height());
    cairo_clip(cr);
    const double sx = static_cast<double>(dst.Width()) / src.Width();
    const double sy = static_cast<double>(dst.Height()) / src.Height();
    cairo_translate(cr, dst.left, dst.top);
    if (sx != 1.0 || sy != 1.0)
        cairo_scale(cr, sx, sy);
    cairo_set_source_surface(cr, image.Surface(), -src.left, -src.top);
    // Frames are cut from strips: never let the filter pull in the neighbouring frame.
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_NONE);
    if (sx == 1.0 && sy == 1.0)
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

void DrawImage(cairo_t* cr, const CSkinImage& image, const RECT& dst)
{
    DrawImagePart(cr, image, dst, {0, 0, image.Width(), image.Height()});
}

void DrawStackedFrame(cairo_t* cr, const CSkinImage& image, const RECT& dst, int row)
{
    const int w = dst.Width();
    const int h = dst.Height();
    DrawImagePart(cr, image, dst, {0, row * h, w, row * h + h});
}

void DrawSideFrame(cairo_t* cr, const CSkinImage& image, const RECT& dst, int column)
{
    const int w = dst.Width();
    const int h = dst.Height();
    DrawImagePart(cr, image, dst, {column * w, 0, column * w + w, h});
}

void FillSolid(cairo_t* cr, const RECT& rect, std::uint32_t argb)
{
    cairo_save(cr);
    SetArgb(cr, argb);
    cairo_rectangle(cr, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawString(cairo_t* cr, const std::string& text, const CSkinFont& font, POINT origin, std::uint32_t argb)
{
    cairo_save(cr);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_layout_set_font_description(layout, font.Description());
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    SetArgb(cr, argb);
    cairo_move_to(cr, origin.x, origin.y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    cairo_restore(cr);
}

}  // namespace velmoor

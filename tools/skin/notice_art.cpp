// The customer-service notice window and the spare notice pieces kept with it.
#include "art.hpp"
#include "buttons.hpp"
#include "emblem.hpp"

#include <cmath>

namespace velmoor {
namespace {

const Rgba kSkyTop = rgb(0xDCEEFF), kSkyMid = rgb(0xA9D0F5), kSkyBottom = rgb(0x7DB3EA);
const Rgba kEdge = rgb(0x3F78BF);

void sky_band(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  Pattern p = vertical3(y, y + h, kSkyTop, kSkyMid, kSkyBottom);
  fill_with(cr, p.get());
  cairo_rectangle(cr, x, y, w, h);
  Pattern sheen = radial(x + w * 0.25, y, w * 0.5, rgb(0xFFFFFF, 0.35), rgb(0xFFFFFF, 0));
  fill_with(cr, sheen.get());
  cairo_rectangle(cr, x, y + h - 2, w, 2);
  set_color(cr, kEdge);
  cairo_fill(cr);
}

Surface title_bar() {
  return single(818, 47, [](cairo_t* cr, int w, int h) {
    sky_band(cr, 0, 0, w, h);
    cairo_rectangle(cr, 0, 0, w, 2);
    set_color(cr, rgb(0xFFFFFF, 0.7));
    cairo_fill(cr);
  });
}

Surface close_strip(int w, int h, int frames) {
  return sprite_strip(w, h / frames, frames, Layout2D::stacked,
                      [](cairo_t* cr, int i, int fw, int fh) {
    Look look = look_of(i);
    if (look != Look::normal) {
      rounded_rect(cr, 1, 1, fw - 2, fh - 2, 4);
      Pattern p = look == Look::hover ? vertical(0, fh, rgb(0xF0685A), rgb(0xC8302A))
                                      : vertical(0, fh, rgb(0x9A2420), rgb(0xB8302A));
      fill_with(cr, p.get());
    }
    double s = std::min(fw, fh) * 0.5, cx = fw / 2.0, cy = fh / 2.0;
    double d = look == Look::pressed ? 0.5 : 0;
    cairo_move_to(cr, cx - s / 2 + d, cy - s / 2 + d);
    cairo_line_to(cr, cx + s / 2 + d, cy + s / 2 + d);
    cairo_move_to(cr, cx + s / 2 + d, cy - s / 2 + d);
    cairo_line_to(cr, cx - s / 2 + d, cy + s / 2 + d);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    stroke_with(cr, look == Look::normal ? rgb(0x1B3A66) : rgb(0xFFFFFF), 1.8);
  });
}

Surface notice_frame() {
  return single(628, 437, [](cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    set_color(cr, rgb(0xFFFFFF));
    cairo_fill(cr);
    sky_band(cr, 0, 0, w, 36);
    draw_shield_emblem(cr, 10, 4, 24, 29);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    stroke_with(cr, kEdge, 1);
  });
}

Surface toast_panel() {
  return single(280, 102, [](cairo_t* cr, int w, int h) {
    rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, 8);
    set_color(cr, rgb(0xFFFFFF));
    cairo_fill(cr);
    {
      SavedState keep(cr);
      rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, 8);
      cairo_clip(cr);
      sky_band(cr, 0, 0, w, 26);
    }
    rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, 8);
    stroke_with(cr, kEdge, 1);
    draw_shield_emblem(cr, 8, 3, 17, 20);
  });
}

Surface pointer_tail() {
  return single(20, 10, [](cairo_t* cr, int w, int h) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w / 2.0, h - 0.5);
    cairo_line_to(cr, w, 0);
    set_color(cr, rgb(0xFFFFFF));
    cairo_fill_preserve(cr);
    stroke_with(cr, kEdge, 1);
    cairo_rectangle(cr, 1, 0, w - 2, 1);
    set_color(cr, rgb(0xFFFFFF));
    cairo_fill(cr);
  });
}

}  // namespace

std::vector<Artwork> notice_artwork() {
  return {
      {154, 818, 47, title_bar},
      {155, 40, 60, [] { return close_strip(40, 60, 3); }},
      {156, 39, 47, [] { return single(39, 47, [](cairo_t* cr, int w, int h) {
                           draw_shield_emblem(cr, 0, 0, w, h);
                         }); }},
      {145, 628, 437, notice_frame},
      {146, 20, 40, [] { return close_strip(20, 40, 2); }},
      {148, 280, 102, toast_panel},
      {149, 20, 10, pointer_tail},
      {150, 77, 54, [] { return caption_strip(77, 54, 2, "我知道", themes::azure(), {1, 5, 13}); }},
  };
}

}  // namespace velmoor

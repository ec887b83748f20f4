#include "paint.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmoor {

Rgba mix(Rgba a, Rgba b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}
Rgba lighter(Rgba c, double t) { return mix(c, {1, 1, 1, c.a}, t); }
Rgba darker(Rgba c, double t) { return mix(c, {0, 0, 0, c.a}, t); }

void set_color(cairo_t* cr, Rgba c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

static void add_stop(cairo_pattern_t* p, double at, Rgba c) {
  cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, c.a);
}

Pattern vertical(double y0, double y1, Rgba top, Rgba bottom) {
  Pattern p(cairo_pattern_create_linear(0, y0, 0, y1));
  add_stop(p.get(), 0, top);
  add_stop(p.get(), 1, bottom);
  return p;
}

Pattern vertical3(double y0, double y1, Rgba top, Rgba mid, Rgba bottom) {
  Pattern p = vertical(y0, y1, top, bottom);
  add_stop(p.get(), 0.5, mid);
  return p;
}

Pattern radial(double cx, double cy, double r, Rgba inner, Rgba outer) {
  Pattern p(cairo_pattern_create_radial(cx, cy, 0, cx, cy, r));
  add_stop(p.get(), 0, inner);
  add_stop(p.get(), 1, outer);
  return p;
}

void fill_with(cairo_t* cr, cairo_pattern_t* p) {
  cairo_set_source(cr, p);
  cairo_fill(cr);
}

void stroke_with(cairo_t* cr, Rgba c, double width) {
  set_color(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// One horizontal and one vertical box pass over an 8-bit mask.
static void box_pass(std::vector<std::uint8_t>& px, int w, int h, int stride, int r) {
  std::vector<std::uint8_t> tmp(px.size());
  auto run = [&](auto at, int n, int lines, auto out) {
    for (int line = 0; line < lines; ++line) {
      int sum = 0;
      for (int i = -r; i <= r; ++i) sum += at(line, std::clamp(i, 0, n - 1));
      for (int i = 0; i < n; ++i) {
        out(line, i, sum / (2 * r + 1));
        sum += at(line, std::min(i + r + 1, n - 1)) - at(line, std::max(i - r, 0));
      }
    }
  };
  run([&](int y, int x) { return int(px[y * stride + x]); }, w, h,
      [&](int y, int x, int v) { tmp[y * stride + x] = std::uint8_t(v); });
  run([&](int x, int y) { return int(tmp[y * stride + x]); }, h, w,
      [&](int x, int y, int v) { px[y * stride + x] = std::uint8_t(v); });
}

void soft_shadow(cairo_t* cr, int w, int h, double radius, Rgba c,
                 const std::function<void(cairo_t*)>& shape) {
  Surface mask = make_surface(w, h, CAIRO_FORMAT_A8);
  {
    Context mc = make_context(mask.get());
    shape(mc.get());
    cairo_set_source_rgba(mc.get(), 0, 0, 0, 1);
    cairo_fill(mc.get());
  }
  cairo_surface_flush(mask.get());
  int stride = cairo_image_surface_get_stride(mask.get());
  std::uint8_t* data = cairo_image_surface_get_data(mask.get());
  std::vector<std::uint8_t> px(data, data + stride * h);
  int r = std::max(1, int(radius / 3));
  for (int pass = 0; pass < 3; ++pass) box_pass(px, w, h, stride, r);
  std::copy(px.begin(), px.end(), data);
  cairo_surface_mark_dirty(mask.get());
  set_color(cr, c);
  cairo_mask_surface(cr, mask.get(), 0, 0);
}

static Layout make_layout(cairo_t* cr, const std::string& text, const TextStyle& s) {
  Layout layout(pango_cairo_create_layout(cr));
  FontDesc font(pango_font_description_from_string(s.family));
  pango_font_description_set_absolute_size(font.get(), s.px * PANGO_SCALE);
  pango_font_description_set_weight(font.get(), s.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_layout_set_font_description(layout.get(), font.get());
  pango_layout_set_text(layout.get(), text.c_str(), -1);
  return layout;
}

static PangoRectangle ink_box(PangoLayout* layout) {
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout, &ink, &logical);
  return ink;
}

static void paint_layout(cairo_t* cr, PangoLayout* layout, double x, double y, const TextStyle& s) {
  SavedState keep(cr);
  if (s.outline > 0) {
    cairo_move_to(cr, x, y);
    pango_cairo_layout_path(cr, layout);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    stroke_with(cr, s.outline_color, s.outline);
  }
  if (s.shadow.a > 0) {
    set_color(cr, s.shadow);
    cairo_move_to(cr, x, y + 1);
    pango_cairo_show_layout(cr, layout);
  }
  set_color(cr, s.color);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
}

void centered_text(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& s) {
  Layout layout = make_layout(cr, text, s);
  PangoRectangle ink = ink_box(layout.get());
  double x = std::round(cx - ink.width / 2.0 - ink.x);
  double y = std::round(cy - ink.height / 2.0 - ink.y);
  paint_layout(cr, layout.get(), x, y, s);
}

void text_at(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& s) {
  Layout layout = make_layout(cr, text, s);
  PangoRectangle ink = ink_box(layout.get());
  paint_layout(cr, layout.get(), x - ink.x, y - ink.y, s);
}

double text_width(cairo_t* cr, const std::string& text, const TextStyle& s) {
  Layout layout = make_layout(cr, text, s);
  return ink_box(layout.get()).width;
}

Surface sprite_strip(int fw, int fh, int frames, Layout2D layout,
                     const std::function<void(cairo_t*, int, int, int)>& draw) {
  bool stacked = layout == Layout2D::stacked;
  Surface s = make_surface(stacked ? fw : fw * frames, stacked ? fh * frames : fh);
  Context cr = make_context(s.get());
  for (int i = 0; i < frames; ++i) {
    SavedState keep(cr.get());
    cairo_translate(cr.get(), stacked ? 0 : fw * i, stacked ? fh * i : 0);
    cairo_rectangle(cr.get(), 0, 0, fw, fh);
    cairo_clip(cr.get());
    draw(cr.get(), i, fw, fh);
  }
  return s;
}

Surface single(int w, int h, const std::function<void(cairo_t*, int, int)>& draw) {
  Surface s = make_surface(w, h);
  Context cr = make_context(s.get());
  draw(cr.get(), w, h);
  return s;
}

double Dice::next() {
  state_ = state_ * 1664525u + 1013904223u;
  return (state_ >> 8) / double(1u << 24);
}

}  // namespace velmoor

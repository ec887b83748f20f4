// The boss-key and settings dialogs: backgrounds, their OK and Cancel buttons, the option
// mark and the small close crosses.
#include "art.hpp"
#include "buttons.hpp"
#include "emblem.hpp"

#include <cmath>

namespace velmoor {
namespace {

void title_band(cairo_t* cr, double w, double h) {
  cairo_rectangle(cr, 0, 0, w, h);
  Pattern band = vertical3(0, h, rgb(0x34419A), rgb(0x222A72), rgb(0x171C55));
  fill_with(cr, band.get());
  cairo_rectangle(cr, 0, 0, w, 1);
  set_color(cr, rgb(0xFFE9A8, 0.5));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, h - 1, w, 1);
  set_color(cr, palette::gold);
  cairo_fill(cr);
}

void outline(cairo_t* cr, double w, double h) {
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  stroke_with(cr, palette::dark_gold, 1);
}

Surface boss_key_background() {
  return single(355, 169, [](cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    Pattern body = vertical(0, h, rgb(0x161B4E), rgb(0x0A0D2C));
    fill_with(cr, body.get());
    title_band(cr, w, 30);
    draw_emblem(cr, 17, 15, 9);
    TextStyle title;
    title.px = 13;
    title.color = palette::pale_gold;
    text_at(cr, "老板键", 32, 9, title);
    rounded_rect(cr, 14.5, 44.5, w - 29, 106, 8);
    set_color(cr, rgb(0x070A22));
    cairo_fill_preserve(cr);
    stroke_with(cr, rgb(0x8A6424, 0.8), 1);
    diamond(cr, 34, 83, 5, palette::gold);
    // Slot around the native entry field at (134, 72)-(225, 94).
    rounded_rect(cr, 131.5, 69.5, 96, 27, 3);
    set_color(cr, rgb(0xFFFFFF));
    cairo_fill_preserve(cr);
    stroke_with(cr, palette::gold, 1);
    TextStyle hint;
    hint.px = 12;
    hint.bold = false;
    hint.color = rgb(0x9AA4D8);
    hint.shadow = rgb(0x000000, 0);
    centered_text(cr, "按下该键即可隐藏或显示游戏窗口", w / 2.0, 125, hint);
    outline(cr, w, h);
  });
}

void warning_icon(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x + 8, y + 1);
  cairo_line_to(cr, x + 15.5, y + 14.5);
  cairo_line_to(cr, x + 0.5, y + 14.5);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Pattern p = vertical(y, y + 15, palette::pale_gold, rgb(0xE0A030));
  cairo_set_source(cr, p.get());
  cairo_fill_preserve(cr);
  stroke_with(cr, rgb(0x5A3A08), 1);
  cairo_rectangle(cr, x + 7.2, y + 5, 1.6, 5);
  cairo_rectangle(cr, x + 7.2, y + 11, 1.6, 1.6);
  set_color(cr, rgb(0x2A1A04));
  cairo_fill(cr);
}

Surface settings_background() {
  return single(340, 188, [](cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    set_color(cr, rgb(0xFAFAFA));
    cairo_fill(cr);
    title_band(cr, w, 33);
    warning_icon(cr, 8, 8);
    // Side and bottom rims; the dialog stretches these pieces along its edges.
    for (auto [d, c] : {std::pair{0, rgb(0x171C55)}, {1, rgb(0x34419A)}}) {
      set_color(cr, c);
      cairo_rectangle(cr, d, 33, 1, h - 33);
      cairo_rectangle(cr, w - 1 - d, 33, 1, h - 33);
      cairo_rectangle(cr, 0, h - 1 - d, w, 1);
      cairo_fill(cr);
    }
  });
}

Surface option_mark() {
  return sprite_strip(12, 12, 2, Layout2D::side_by_side, [](cairo_t* cr, int i, int w, int h) {
    rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, 2.5);
    if (i == 0) {
      set_color(cr, rgb(0xFFFFFF));
      cairo_fill_preserve(cr);
      stroke_with(cr, rgb(0x7A86B0), 1);
      return;
    }
    Pattern p = vertical(0, h, palette::glow, palette::royal);
    cairo_set_source(cr, p.get());
    cairo_fill_preserve(cr);
    stroke_with(cr, rgb(0x1C2360), 1);
    cairo_move_to(cr, 2.8, 6.2);
    cairo_line_to(cr, 5, 8.6);
    cairo_line_to(cr, 9.4, 3.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    stroke_with(cr, rgb(0xFFFFFF), 1.7);
  });
}

Surface cross_strip(int size) {
  return sprite_strip(size, size, 3, Layout2D::stacked, [](cairo_t* cr, int i, int w, int) {
    small_cross(cr, w, look_of(i), palette::pale_gold, rgb(0xC8402F));
  });
}

}  // namespace

void small_cross(cairo_t* cr, int size, Look look, Rgba idle, Rgba hover_fill) {
  SavedState keep(cr);
  if (look != Look::normal) {
    rounded_rect(cr, 0, 0, size, size, 2);
    set_color(cr, look == Look::hover ? hover_fill : darker(hover_fill, 0.35));
    cairo_fill(cr);
  }
  double m = size * 0.27, d = look == Look::pressed ? 0.5 : 0;
  cairo_move_to(cr, m + d, m + d);
  cairo_line_to(cr, size - m + d, size - m + d);
  cairo_move_to(cr, size - m + d, m + d);
  cairo_line_to(cr, m + d, size - m + d);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  stroke_with(cr, look == Look::normal ? idle : rgb(0xFFFFFF), size >= 20 ? 2 : 1.4);
}

std::vector<Artwork> dialog_artwork() {
  return {
      {130, 355, 169, boss_key_background},
      {141, 340, 188, settings_background},
      {129, 60, 42, [] { return caption_strip(60, 42, 2, "确定", themes::gold(), {1, 4, 12}); }},
      {137, 70, 48, [] { return caption_strip(70, 48, 2, "取消", themes::slate(), {1, 4, 12}); }},
      {138, 24, 12, option_mark},
      {139, 10, 30, [] { return cross_strip(10); }},
      {127, 11, 33, [] { return cross_strip(11); }},
  };
}

}  // namespace velmoor

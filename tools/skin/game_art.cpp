// The game window: its frame, the title-bar buttons, the window controls, the clearing
// spinner and the VIP badge.
#include "art.hpp"
#include "buttons.hpp"
#include "emblem.hpp"

#include <cmath>

namespace velmoor {
namespace {

constexpr double kTitleHeight = 30;
const Rgba kBodyColor = rgb(0x0D1136);

// The window stretches the whole picture, so everything here runs uniformly along x.
Surface frame() {
  return single(800, 500, [](cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, kTitleHeight);
    Pattern bar = vertical3(0, kTitleHeight, rgb(0x2D3888), rgb(0x1B2162), rgb(0x121750));
    fill_with(cr, bar.get());
    cairo_rectangle(cr, 0, 0, w, 1);
    set_color(cr, rgb(0xFFE9A8, 0.55));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, kTitleHeight, w, h - kTitleHeight);
    Pattern body = vertical(kTitleHeight, h, rgb(0x121750), kBodyColor);
    fill_with(cr, body.get());
    // Two-pixel rim: dark outside, gold inside, on the sides and the bottom.
    for (auto [x, c] : {std::pair{0, rgb(0x05071A)}, {1, palette::dark_gold}}) {
      set_color(cr, c);
      cairo_rectangle(cr, x, 0, 1, h);
      cairo_rectangle(cr, w - 1 - x, 0, 1, h);
      cairo_rectangle(cr, 0, h - 1 - x, w, 1);
      cairo_fill(cr);
    }
  });
}

Surface title_logo() {
  return single(48, 29, [](cairo_t* cr, int w, int h) {
    for (int side : {-1, 1}) {
      // Little wings either side of the badge.
      for (int k = 0; k < 3; ++k) {
        double y = 9 + k * 4.0;
        cairo_move_to(cr, w / 2.0 + side * 12, y);
        cairo_line_to(cr, w / 2.0 + side * (23 - k * 3), y - 2 + k * 0.5);
        cairo_line_to(cr, w / 2.0 + side * (20 - k * 3), y + 2.5);
        cairo_close_path(cr);
      }
      Pattern p = vertical(5, 22, palette::pale_gold, palette::dark_gold);
      fill_with(cr, p.get());
    }
    draw_emblem(cr, w / 2.0, h / 2.0, 13.5);
  });
}

Surface title_button(int w, int h, const std::string& caption) {
  return caption_strip(w, h, 2, caption, themes::night(), ButtonShape{1, 5, 12});
}

// The spinner is drawn over the left end of this button, so the caption keeps clear of it.
Surface cleaning_button() {
  return sprite_strip(75, 22, 2, Layout2D::stacked, [](cairo_t* cr, int i, int w, int h) {
    ButtonTheme t = themes::night();
    Look look = look_of(i);
    button_body(cr, 1, 1, w - 2, h - 2, 5, look, t);
    TextStyle s;
    s.px = 12;
    s.color = hover_text(t, look);
    s.shadow = t.text_shadow;
    centered_text(cr, "正在清理", 48, h / 2.0 - 0.5, s);
  });
}

void control_glyph(cairo_t* cr, int kind, double d, Rgba ink) {
  cairo_set_line_width(cr, 1.4);
  set_color(cr, ink);
  switch (kind) {
    case 0:  // close
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_move_to(cr, 8 + d, 8 + d);
      cairo_line_to(cr, 17 + d, 17 + d);
      cairo_move_to(cr, 17 + d, 8 + d);
      cairo_line_to(cr, 8 + d, 17 + d);
      cairo_stroke(cr);
      break;
    case 1:  // maximise
      cairo_rectangle(cr, 7.5 + d, 7.5 + d, 10, 10);
      cairo_stroke(cr);
      cairo_rectangle(cr, 7 + d, 7 + d, 11, 2);
      cairo_fill(cr);
      break;
    case 2:  // minimise
      cairo_rectangle(cr, 7 + d, 15 + d, 11, 2);
      cairo_fill(cr);
      break;
    default:  // restore
      cairo_rectangle(cr, 9.5 + d, 6.5 + d, 9, 8);
      cairo_stroke(cr);
      cairo_rectangle(cr, 6.5 + d, 10.5 + d, 9, 8);
      set_color(cr, rgb(0x1B2162));
      cairo_fill_preserve(cr);
      set_color(cr, ink);
      cairo_stroke(cr);
      break;
  }
}

Surface window_control(int kind) {
  return sprite_strip(25, 25, 3, Layout2D::side_by_side, [=](cairo_t* cr, int i, int w, int h) {
    Look look = look_of(i);
    ButtonTheme t = themes::night();
    if (kind == 0) {
      t.base = rgb(0xB8332A);
      t.glow_body = rgb(0xE0503C);
      t.glow = rgb(0xFFB080, 0.4);
    }
    if (look == Look::normal) {
      rounded_rect(cr, 1.5, 1.5, w - 3, h - 3, 4);
      stroke_with(cr, rgb(0xE3BC5E, 0.45), 1);
    } else {
      button_body(cr, 1, 1, w - 2, h - 2, 4, look, t);
    }
    Rgba ink = look == Look::hover ? rgb(0xFFFFFF) : palette::pale_gold;
    control_glyph(cr, kind, look == Look::pressed ? 1 : 0, ink);
  });
}

// A ring with one bright arc; every frame paints the whole ring opaque, because the window
// draws the frames over each other without clearing.
Surface spinner() {
  return sprite_strip(16, 16, 8, Layout2D::side_by_side, [](cairo_t* cr, int i, int, int) {
    const double cx = 8, cy = 8, r = 5.5;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    stroke_with(cr, rgb(0x2A3170), 3);
    for (int k = 0; k < 3; ++k) {
      double start = -M_PI / 2 + i * M_PI / 4 - k * M_PI / 4;
      cairo_arc(cr, cx, cy, r, start, start + M_PI / 4 + 0.02);
      Rgba c = k == 0 ? palette::pale_gold : k == 1 ? palette::gold : rgb(0x7A6240);
      stroke_with(cr, c, 3);
    }
  });
}

Surface vip_badge(bool lit) {
  return single(75, 22, [=](cairo_t* cr, int w, int h) {
    ButtonTheme t = themes::gold();
    t.base = lit ? rgb(0xF0B848) : rgb(0xC58E2E);
    button_body(cr, 1, 1, w - 2, h - 2, 10, lit ? Look::hover : Look::normal, t);
    // A small crown before the caption.
    cairo_move_to(cr, 8, 15);
    cairo_line_to(cr, 7, 7.5);
    cairo_line_to(cr, 10.5, 10.5);
    cairo_line_to(cr, 13, 6);
    cairo_line_to(cr, 15.5, 10.5);
    cairo_line_to(cr, 19, 7.5);
    cairo_line_to(cr, 18, 15);
    cairo_close_path(cr);
    set_color(cr, lit ? rgb(0xFFFFFF) : rgb(0x4A2E06));
    cairo_fill(cr);
    TextStyle s;
    s.px = 12;
    s.color = lit ? rgb(0xFFFFFF) : rgb(0x3A2404);
    s.shadow = lit ? rgb(0x6A3A00, 0.7) : rgb(0xFFF0C0, 0.5);
    centered_text(cr, "VIP客服", 45, h / 2.0 - 0.5, s);
  });
}

}  // namespace

std::vector<Artwork> game_artwork() {
  return {
      {107, 800, 500, frame},
      {108, 48, 29, title_logo},
      {101, 75, 44, [] { return title_button(75, 44, "清除缓存"); }},
      {102, 75, 44, cleaning_button},
      {106, 65, 44, [] { return title_button(65, 44, "老板键"); }},
      {113, 65, 44, [] { return title_button(65, 44, "选服"); }},
      {160, 75, 44, [] { return title_button(75, 44, "扫码支付"); }},
      {105, 87, 46, [] { return title_button(87, 46, "全屏(F11)"); }},
      {103, 75, 25, [] { return window_control(0); }},
      {110, 75, 25, [] { return window_control(1); }},
      {111, 75, 25, [] { return window_control(2); }},
      {114, 75, 25, [] { return window_control(3); }},
      {115, 128, 16, spinner},
      {151, 75, 22, [] { return vip_badge(false); }},
      {152, 75, 22, [] { return vip_badge(true); }},
  };
}

}  // namespace velmoor

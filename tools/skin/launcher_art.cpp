// The launcher: its background with the night scene, the round window buttons and the four
// link buttons that sit on the bar under the title.
#include "art.hpp"
#include "buttons.hpp"
#include "emblem.hpp"

#include <cmath>

namespace velmoor {
namespace {

constexpr int kWidth = 1200, kHeight = 815;
constexpr double kPanelX = 118, kPanelY = 64, kPanelW = 954, kPanelH = 630, kPanelR = 22;
constexpr double kHeaderBottom = 204;
constexpr double kArtX = 140, kArtY = 218, kArtW = 309, kArtH = 450;

void panel_path(cairo_t* cr) { rounded_rect(cr, kPanelX, kPanelY, kPanelW, kPanelH, kPanelR); }

void panel_base(cairo_t* cr) {
  soft_shadow(cr, kWidth, kHeight, 26, rgb(0x000000, 0.62), [](cairo_t* m) {
    rounded_rect(m, kPanelX - 4, kPanelY + 6, kPanelW + 8, kPanelH + 12, kPanelR + 4);
  });
  panel_path(cr);
  Pattern body = vertical3(kPanelY, kPanelY + kPanelH, rgb(0x161C52), rgb(0x0C1034),
                           rgb(0x080A24));
  fill_with(cr, body.get());
}

void header(cairo_t* cr) {
  SavedState keep(cr);
  panel_path(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, kPanelX, kPanelY, kPanelW, kHeaderBottom - kPanelY);
  Pattern band = vertical(kPanelY, kHeaderBottom, rgb(0x26307E), rgb(0x111642));
  fill_with(cr, band.get());
  cairo_rectangle(cr, kPanelX, kPanelY, kPanelW, kHeaderBottom - kPanelY);
  Pattern halo = radial(300, 100, 420, rgb(0x5B7CF0, 0.35), rgb(0x5B7CF0, 0));
  fill_with(cr, halo.get());
  Dice dice(7);
  for (int i = 0; i < 70; ++i) {
    double x = kPanelX + dice.next() * kPanelW, y = kPanelY + dice.next() * 130;
    cairo_arc(cr, x, y, 0.4 + dice.next() * 0.9, 0, 2 * M_PI);
    set_color(cr, rgb(0xFFF3D0, 0.15 + dice.next() * 0.45));
    cairo_fill(cr);
  }
  // Gold rule that divides the title from the body.
  cairo_rectangle(cr, kPanelX, kHeaderBottom - 2, kPanelW, 2);
  Pattern rule(cairo_pattern_create_linear(kPanelX, 0, kPanelX + kPanelW, 0));
  cairo_pattern_add_color_stop_rgba(rule.get(), 0, 0.89, 0.74, 0.37, 0.1);
  cairo_pattern_add_color_stop_rgba(rule.get(), 0.5, 1.0, 0.91, 0.66, 1);
  cairo_pattern_add_color_stop_rgba(rule.get(), 1, 0.89, 0.74, 0.37, 0.1);
  fill_with(cr, rule.get());
}

void branding(cairo_t* cr) {
  soft_shadow(cr, kWidth, kHeight, 10, rgb(0x000000, 0.6),
              [](cairo_t* m) { cairo_arc(m, 181, 134, 40, 0, 2 * M_PI); });
  draw_emblem(cr, 180, 130, 40);
  TextStyle small;
  small.px = 22;
  small.family = "DejaVu Serif";
  small.color = rgb(0xC8D4FF);
  small.shadow = rgb(0x000000, 0.7);
  text_at(cr, "Orvel", 234, 92, small);
  TextStyle title;
  title.px = 50;
  title.family = "DejaVu Serif";
  title.color = palette::pale_gold;
  title.outline = 3;
  title.outline_color = rgb(0x1A0F02, 0.75);
  title.shadow = rgb(0x000000, 0.8);
  text_at(cr, "Velmoor", 308, 78, title);
  TextStyle tag;
  tag.px = 12;
  tag.bold = false;
  tag.color = rgb(0xE3BC5E, 0.85);
  text_at(cr, "月 影 之 境 · 永 夜 王 城", 236, 126, tag);
}

void link_bar(cairo_t* cr) {
  rounded_rect(cr, 348, 141, 647, 50, 13);
  Pattern well = vertical(141, 191, rgb(0x05071A), rgb(0x121849));
  fill_with(cr, well.get());
  rounded_rect(cr, 348.5, 141.5, 646, 49, 13);
  stroke_with(cr, rgb(0x8A6424, 0.9), 1);
  rounded_rect(cr, 349.5, 142.5, 644, 47, 12);
  stroke_with(cr, rgb(0x000000, 0.5), 1);
  for (double x : {508.5, 671.5, 834.5}) diamond(cr, x, 166, 4, palette::gold);
}

void sky(cairo_t* cr) {
  cairo_rectangle(cr, kArtX, kArtY, kArtW, kArtH);
  Pattern p(cairo_pattern_create_linear(0, kArtY, 0, kArtY + kArtH));
  cairo_pattern_add_color_stop_rgb(p.get(), 0, 0.03, 0.05, 0.16);
  cairo_pattern_add_color_stop_rgb(p.get(), 0.45, 0.13, 0.16, 0.45);
  cairo_pattern_add_color_stop_rgb(p.get(), 0.70, 0.42, 0.31, 0.58);
  cairo_pattern_add_color_stop_rgb(p.get(), 1, 0.10, 0.08, 0.25);
  fill_with(cr, p.get());
  Dice dice(42);
  for (int i = 0; i < 110; ++i) {
    double x = kArtX + dice.next() * kArtW, y = kArtY + dice.next() * kArtH * 0.6;
    double r = 0.4 + dice.next() * dice.next() * 1.4;
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    set_color(cr, rgb(0xFFF6E0, 0.35 + dice.next() * 0.65));
    cairo_fill(cr);
  }
}

void moon(cairo_t* cr) {
  const double cx = kArtX + 212, cy = kArtY + 100, r = 42;
  cairo_arc(cr, cx, cy, r * 3.2, 0, 2 * M_PI);
  Pattern halo = radial(cx, cy, r * 3.2, rgb(0xFFE9A8, 0.38), rgb(0xFFE9A8, 0));
  fill_with(cr, halo.get());
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  Pattern disc = radial(cx - 12, cy - 14, r * 1.4, rgb(0xFFFBEA), rgb(0xE6CF94));
  fill_with(cr, disc.get());
  struct Crater { double dx, dy, r; };
  for (Crater c : {Crater{-12, 8, 9}, Crater{14, -10, 6}, Crater{8, 18, 5}, Crater{-18, -14, 4}}) {
    cairo_arc(cr, cx + c.dx, cy + c.dy, c.r, 0, 2 * M_PI);
    set_color(cr, rgb(0xA8925A, 0.22));
    cairo_fill(cr);
  }
}

// A ridge through the given peak heights, closed down to the bottom of the scene.
void ridge(cairo_t* cr, std::initializer_list<double> heights, double base, Rgba top, Rgba bottom) {
  double step = kArtW / (heights.size() - 1), x = kArtX;
  cairo_move_to(cr, kArtX, kArtY + kArtH);
  for (double h : heights) {
    cairo_line_to(cr, x, base - h);
    x += step;
  }
  cairo_line_to(cr, kArtX + kArtW, kArtY + kArtH);
  cairo_close_path(cr);
  Pattern p = vertical(base - 120, kArtY + kArtH, top, bottom);
  fill_with(cr, p.get());
}

void tower(cairo_t* cr, double x, double base, double w, double h, double roof) {
  cairo_rectangle(cr, x, base - h, w, h);
  cairo_move_to(cr, x - 3, base - h);
  cairo_line_to(cr, x + w / 2, base - h - roof);
  cairo_line_to(cr, x + w + 3, base - h);
  cairo_close_path(cr);
}

void lit_window(cairo_t* cr, double x, double y, double w, double h) {
  cairo_arc(cr, x + w / 2, y + h / 2, 7, 0, 2 * M_PI);
  Pattern glow = radial(x + w / 2, y + h / 2, 7, rgb(0xFFC860, 0.45), rgb(0xFFC860, 0));
  fill_with(cr, glow.get());
  rounded_rect(cr, x, y, w, h, w / 2);
  set_color(cr, rgb(0xFFD77A));
  cairo_fill(cr);
}

void castle(cairo_t* cr) {
  const double base = kArtY + 338, cx = kArtX + 118;
  Rgba stone = rgb(0x0A0C26);
  tower(cr, cx - 62, base, 22, 92, 34);
  tower(cr, cx - 36, base, 30, 138, 52);
  tower(cr, cx - 6, base, 40, 176, 66);
  tower(cr, cx + 36, base, 28, 120, 46);
  tower(cr, cx + 62, base, 20, 80, 30);
  cairo_rectangle(cr, cx - 70, base - 56, 160, 56);
  set_color(cr, stone);
  cairo_fill(cr);
  // Spire and pennant on the keep.
  cairo_rectangle(cr, cx + 13, base - 262, 2, 22);
  cairo_move_to(cr, cx + 15, base - 262);
  cairo_line_to(cr, cx + 30, base - 257);
  cairo_line_to(cr, cx + 15, base - 252);
  set_color(cr, stone);
  cairo_fill(cr);
  for (double x = cx - 70; x < cx + 90; x += 10) cairo_rectangle(cr, x, base - 62, 6, 6);
  cairo_fill(cr);
  lit_window(cr, cx + 9, base - 140, 6, 12);
  lit_window(cr, cx + 9, base - 105, 6, 12);
  lit_window(cr, cx - 24, base - 100, 5, 10);
  lit_window(cr, cx + 47, base - 88, 5, 10);
  lit_window(cr, cx - 55, base - 70, 4, 8);
  rounded_rect(cr, cx + 4, base - 30, 16, 30, 8);
  set_color(cr, rgb(0xE3A94A, 0.85));
  cairo_fill(cr);
}

void mist(cairo_t* cr, double y, double h, double alpha) {
  cairo_rectangle(cr, kArtX, y, kArtW, h);
  Pattern p = vertical3(y, y + h, rgb(0xC9C3FF, 0), rgb(0xC9C3FF, alpha), rgb(0xC9C3FF, 0));
  fill_with(cr, p.get());
}

void night_scene(cairo_t* cr) {
  SavedState keep(cr);
  rounded_rect(cr, kArtX, kArtY, kArtW, kArtH, 12);
  cairo_clip(cr);
  sky(cr);
  moon(cr);
  ridge(cr, {80, 120, 150, 95, 130, 175, 120, 90, 140, 100}, kArtY + 330, rgb(0x3A3A82),
        rgb(0x1A1A48));
  mist(cr, kArtY + 270, 70, 0.18);
  castle(cr);
  ridge(cr, {40, 55, 52, 44, 42, 40, 38, 48, 70, 60}, kArtY + 360, rgb(0x141638), rgb(0x05061A));
  mist(cr, kArtY + 350, 60, 0.12);
  ridge(cr, {10, 20, 40, 30, 12, 8, 16, 28, 20, 26}, kArtY + 420, rgb(0x06081C), rgb(0x020310));
  cairo_reset_clip(cr);
  rounded_rect(cr, kArtX - 1.5, kArtY - 1.5, kArtW + 3, kArtH + 3, 13);
  stroke_with(cr, palette::gold, 2);
  rounded_rect(cr, kArtX + 0.5, kArtY + 0.5, kArtW - 1, kArtH - 1, 12);
  stroke_with(cr, rgb(0x000000, 0.6), 1);
}

void web_frame(cairo_t* cr) {
  soft_shadow(cr, kWidth, kHeight, 12, rgb(0x000000, 0.7),
              [](cairo_t* m) { rounded_rect(m, 461, 221, 566, 402, 8); });
  rounded_rect(cr, 463, 219, 562, 400, 7);
  Pattern rim = vertical3(219, 619, palette::pale_gold, palette::gold, palette::dark_gold);
  fill_with(cr, rim.get());
  rounded_rect(cr, 466, 222, 556, 394, 5);
  set_color(cr, rgb(0x0A0D28));
  cairo_fill(cr);
  cairo_rectangle(cr, 470.5, 226.5, 547, 385);
  stroke_with(cr, rgb(0x8A6424), 1);
  cairo_rectangle(cr, 471, 227, 546, 384);
  set_color(cr, rgb(0x05071A));
  cairo_fill(cr);
  for (auto [x, y] : {std::pair{463.0, 219.0}, {1025.0, 219.0}, {463.0, 619.0}, {1025.0, 619.0}})
    diamond(cr, x, y, 6, palette::pale_gold);
}

void footer(cairo_t* cr) {
  TextStyle note;
  note.px = 11;
  note.bold = false;
  note.color = rgb(0x9AA4D8, 0.85);
  note.shadow = rgb(0x000000, 0.5);
  centered_text(cr, "抵制不良游戏  拒绝盗版游戏  注意自我保护  谨防受骗上当", 744, 643, note);
  centered_text(cr, "适度游戏益脑  沉迷游戏伤身  合理安排时间  享受健康生活", 744, 662, note);
}

void panel_rim(cairo_t* cr) {
  rounded_rect(cr, kPanelX + 0.5, kPanelY + 0.5, kPanelW - 1, kPanelH - 1, kPanelR);
  Pattern p = vertical3(kPanelY, kPanelY + kPanelH, palette::pale_gold, palette::dark_gold,
                        palette::gold);
  cairo_set_source(cr, p.get());
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  rounded_rect(cr, kPanelX + 4.5, kPanelY + 4.5, kPanelW - 9, kPanelH - 9, kPanelR - 4);
  stroke_with(cr, rgb(0xE3BC5E, 0.25), 1);
}

Surface background() {
  return single(kWidth, kHeight, [](cairo_t* cr, int, int) {
    panel_base(cr);
    header(cr);
    branding(cr);
    link_bar(cr);
    night_scene(cr);
    web_frame(cr);
    footer(cr);
    panel_rim(cr);
  });
}

Surface round_button(int fw, int fh, double r, bool cross, Rgba hover_tint) {
  return sprite_strip(fw, fh, 3, Layout2D::stacked, [=](cairo_t* cr, int i, int w, int h) {
    round_glyph_button(cr, w / 2.0, h / 2.0, r, look_of(i), cross, hover_tint);
  });
}

void link_face(cairo_t* cr, int w, int h, Look look, const std::string& caption) {
  ButtonShape shape{2, 9, 16};
  caption_button(cr, w, h, look, caption, themes::night(), shape);
  Rgba c = look == Look::hover ? palette::pale_gold : rgb(0xE3BC5E, 0.8);
  diamond(cr, 20, h / 2.0, 3, c);
  diamond(cr, w - 20, h / 2.0, 3, c);
}

Surface link_button(const std::string& caption) {
  return sprite_strip(132, 38, 2, Layout2D::stacked, [&](cairo_t* cr, int i, int w, int h) {
    link_face(cr, w, h, look_of(i), caption);
  });
}

}  // namespace

void diamond(cairo_t* cr, double cx, double cy, double r, Rgba c) {
  cairo_move_to(cr, cx, cy - r);
  cairo_line_to(cr, cx + r, cy);
  cairo_line_to(cr, cx, cy + r);
  cairo_line_to(cr, cx - r, cy);
  cairo_close_path(cr);
  set_color(cr, c);
  cairo_fill(cr);
}

void round_glyph_button(cairo_t* cr, double cx, double cy, double r, Look look, bool cross,
                        Rgba hover_tint) {
  SavedState keep(cr);
  if (look == Look::hover) {
    cairo_arc(cr, cx, cy, r + 2, 0, 2 * M_PI);
    Pattern glow = radial(cx, cy, r + 2, rgb(0xFFE9A8, 0.9), rgb(0xFFE9A8, 0));
    fill_with(cr, glow.get());
  }
  Rgba base = look == Look::hover ? hover_tint : look == Look::pressed ? rgb(0x0B0F30) : palette::royal;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  Pattern disc = radial(cx, cy - r * 0.5, r * 1.6, lighter(base, 0.35), darker(base, 0.45));
  fill_with(cr, disc.get());
  cairo_arc(cr, cx, cy, r - 0.75, 0, 2 * M_PI);
  stroke_with(cr, look == Look::hover ? palette::pale_gold : palette::gold, 1.5);
  cairo_arc(cr, cx, cy, r - 2.5, M_PI * 1.1, M_PI * 1.9);
  stroke_with(cr, rgb(0xFFFFFF, look == Look::pressed ? 0.05 : 0.25), 1);
  Rgba ink = look == Look::hover ? rgb(0xFFFFFF) : palette::pale_gold;
  double arm = r * 0.36, d = look == Look::pressed ? 0.7 : 0;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  if (cross) {
    cairo_move_to(cr, cx - arm + d, cy - arm + d);
    cairo_line_to(cr, cx + arm + d, cy + arm + d);
    cairo_move_to(cr, cx + arm + d, cy - arm + d);
    cairo_line_to(cr, cx - arm + d, cy + arm + d);
  } else {
    cairo_move_to(cr, cx - arm * 1.2 + d, cy + d);
    cairo_line_to(cr, cx + arm * 1.2 + d, cy + d);
  }
  stroke_with(cr, ink, 2.6);
}

std::vector<Artwork> launcher_artwork() {
  return {
      {109, kWidth, kHeight, background},
      {104, 40, 120, [] { return round_button(40, 40, 18, true, rgb(0xC8402F)); }},
      {112, 33, 105, [] { return round_button(33, 35, 14.5, false, rgb(0x4A68E0)); }},
      {121, 132, 76, [] { return link_button("游戏论坛"); }},
      {122, 132, 76, [] { return link_button("充值系统"); }},
      {123, 132, 76, [] { return link_button("官方客服"); }},
      {124, 132, 76, [] { return link_button("官网首页"); }},
  };
}

}  // namespace velmoor

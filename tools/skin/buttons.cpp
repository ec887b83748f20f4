#include "buttons.hpp"

namespace velmoor {

namespace themes {
ButtonTheme night() {
  return {rgb(0x26307A), palette::dark_gold, palette::pale_gold, palette::pale_gold,
          rgb(0x000000, 0.7), rgb(0xFFD76A, 0.40), rgb(0x4A6AF0)};
}
ButtonTheme gold() {
  return {rgb(0xD09A38), rgb(0x7A5214), rgb(0xFFF1C4), rgb(0x3A2404), rgb(0xFFF0C0, 0.55),
          rgb(0xFFF4C0, 0.6), rgb(0xFFC850)};
}
ButtonTheme slate() {
  return {rgb(0x4E5A82), rgb(0x2A3152), rgb(0xC9D4FF), rgb(0xFFFFFF), rgb(0x000000, 0.5),
          rgb(0xB0C4FF, 0.5), rgb(0x6F86D8)};
}
ButtonTheme azure() {
  return {rgb(0x2F7AD0), rgb(0x1B4F8E), rgb(0xDDEEFF), rgb(0xFFFFFF), rgb(0x00193A, 0.55),
          rgb(0xBFE2FF, 0.6), rgb(0x4FA6FF)};
}
}  // namespace themes

Look look_of(int frame) {
  return frame == 0 ? Look::normal : frame == 1 ? Look::hover : Look::pressed;
}

// Light captions brighten on hover; dark ones stay dark so they keep their contrast.
Rgba hover_text(const ButtonTheme& t, Look look) {
  if (look != Look::hover) return look == Look::pressed ? darker(t.text, 0.1) : t.text;
  double luma = 0.3 * t.text.r + 0.59 * t.text.g + 0.11 * t.text.b;
  return luma > 0.5 ? lighter(t.text, 0.5) : darker(t.text, 0.2);
}

static Rgba body_color(const ButtonTheme& t, Look look) {
  switch (look) {
    case Look::hover: return mix(t.base, t.glow_body, 0.55);
    case Look::pressed: return darker(t.base, 0.3);
    default: return t.base;
  }
}

void button_body(cairo_t* cr, double x, double y, double w, double h, double radius, Look look,
                 const ButtonTheme& t) {
  SavedState keep(cr);
  Rgba c = body_color(t, look);
  rounded_rect(cr, x, y, w, h, radius);
  Pattern fill = look == Look::pressed
                     ? vertical(y, y + h, darker(c, 0.25), lighter(c, 0.08))
                     : vertical3(y, y + h, lighter(c, 0.30), c, darker(c, 0.28));
  fill_with(cr, fill.get());
  if (look == Look::hover) {
    // A warm bloom from the top edge makes the hovered button read as lit.
    rounded_rect(cr, x, y, w, h, radius);
    Rgba bloom_edge = t.glow;
    bloom_edge.a = 0;
    Pattern bloom = radial(x + w / 2, y, w * 0.55, t.glow, bloom_edge);
    fill_with(cr, bloom.get());
  }
  if (look != Look::pressed) {
    rounded_rect(cr, x + 1.5, y + 1.5, w - 3, h - 3, radius - 1);
    stroke_with(cr, rgb(0xFFFFFF, look == Look::hover ? 0.28 : 0.16), 1);
  }
  rounded_rect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
  stroke_with(cr, look == Look::hover ? t.hover_border : t.border, 1);
}

static void outer_glow(cairo_t* cr, int w, int h, const ButtonShape& s, const ButtonTheme& t) {
  for (double g = s.inset; g > 0; g -= 1) {
    rounded_rect(cr, s.inset - g, s.inset - g, w - 2 * (s.inset - g), h - 2 * (s.inset - g),
                 s.radius + g);
    Rgba c = t.glow;
    c.a *= 0.35 * (1 - (g - 1) / s.inset);
    stroke_with(cr, c, 1);
  }
}

void caption_button(cairo_t* cr, int w, int h, Look look, const std::string& caption,
                    const ButtonTheme& t, const ButtonShape& s) {
  if (look == Look::hover && s.inset >= 1) outer_glow(cr, w, h, s, t);
  button_body(cr, s.inset, s.inset, w - 2 * s.inset, h - 2 * s.inset, s.radius, look, t);
  TextStyle style;
  style.px = s.text_px;
  style.color = hover_text(t, look);
  style.shadow = t.text_shadow;
  double shift = look == Look::pressed ? 1 : 0;
  centered_text(cr, caption, w / 2.0 + shift, h / 2.0 + shift - 0.5, style);
}

Surface caption_strip(int w, int h, int frames, const std::string& caption,
                      const ButtonTheme& theme, const ButtonShape& shape) {
  return sprite_strip(w, h / frames, frames, Layout2D::stacked,
                      [&](cairo_t* cr, int i, int fw, int fh) {
                        caption_button(cr, fw, fh, look_of(i), caption, theme, shape);
                      });
}

}  // namespace velmoor

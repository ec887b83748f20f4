#pragma once
// Drawing primitives shared by every piece of the skin.
#include "handles.hpp"

#include <cstdint>
#include <functional>
#include <string>

namespace velmoor {

struct Rgba {
  double r, g, b, a = 1.0;
};

// Opaque colour from 0xRRGGBB, optionally with alpha.
constexpr Rgba rgb(std::uint32_t hex, double a = 1.0) {
  return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, a};
}
Rgba mix(Rgba a, Rgba b, double t);
Rgba lighter(Rgba c, double t);  // towards white
Rgba darker(Rgba c, double t);   // towards black

namespace palette {
inline constexpr Rgba night = rgb(0x070A1F);
inline constexpr Rgba deep = rgb(0x0E1338);
inline constexpr Rgba indigo = rgb(0x1C2360);
inline constexpr Rgba royal = rgb(0x2C3A94);
inline constexpr Rgba glow = rgb(0x5B7CF0);
inline constexpr Rgba gold = rgb(0xE3BC5E);
inline constexpr Rgba pale_gold = rgb(0xFFE9A8);
inline constexpr Rgba dark_gold = rgb(0x8A6424);
inline constexpr Rgba ember = rgb(0xC8402F);
inline constexpr Rgba text_light = rgb(0xFFF6DC);
}  // namespace palette

// Which look of a button sprite frame is drawn.
enum class Look { normal, hover, pressed };

void set_color(cairo_t* cr, Rgba c);
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
// Vertical gradient from top colour to bottom colour over [y0, y1].
Pattern vertical(double y0, double y1, Rgba top, Rgba bottom);
Pattern vertical3(double y0, double y1, Rgba top, Rgba mid, Rgba bottom);
Pattern radial(double cx, double cy, double r, Rgba inner, Rgba outer);
void fill_with(cairo_t* cr, cairo_pattern_t* p);
void stroke_with(cairo_t* cr, Rgba c, double width);

// Soft blurred copy of whatever `shape` fills, painted in `c`; used for shadows and glows.
void soft_shadow(cairo_t* cr, int w, int h, double radius, Rgba c,
                 const std::function<void(cairo_t*)>& shape);

struct TextStyle {
  double px = 13;
  bool bold = true;
  Rgba color = palette::text_light;
  Rgba shadow = rgb(0x000000, 0.65);
  double outline = 0;  // width of a dark outline, 0 for none
  Rgba outline_color = rgb(0x000000, 0.55);
  const char* family = "WenQuanYi Micro Hei";
};

// Text centred on (cx, cy) by its ink box, with a one-pixel drop shadow.
void centered_text(cairo_t* cr, const std::string& text, double cx, double cy, const TextStyle& s);
// Text whose ink box starts at (x, y).
void text_at(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& s);
// Ink width of the text in that style.
double text_width(cairo_t* cr, const std::string& text, const TextStyle& s);

// A picture of frames laid out stacked or side by side; `draw` paints frame i in its own
// coordinates (0, 0)-(fw, fh), clipped to it.
enum class Layout2D { stacked, side_by_side };
Surface sprite_strip(int fw, int fh, int frames, Layout2D layout,
                     const std::function<void(cairo_t*, int, int, int)>& draw);
Surface single(int w, int h, const std::function<void(cairo_t*, int, int)>& draw);

// Small deterministic random numbers, so that every run draws the same stars.
class Dice {
 public:
  explicit Dice(std::uint32_t start) : state_(start) {}
  double next();  // [0, 1)

 private:
  std::uint32_t state_;
};

}  // namespace velmoor

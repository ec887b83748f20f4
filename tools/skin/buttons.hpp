#pragma once
#include "paint.hpp"

#include <string>

namespace velmoor {

// Colour scheme of a captioned button.
struct ButtonTheme {
  Rgba base;
  Rgba border;
  Rgba hover_border;
  Rgba text;
  Rgba text_shadow;
  Rgba glow;       // bloom and halo of the hovered button
  Rgba glow_body;  // what the body turns towards when hovered
};

namespace themes {
ButtonTheme night();  // indigo with gold trim, for dark surroundings
ButtonTheme gold();   // amber, the confirming button
ButtonTheme slate();  // quiet blue-grey, the dismissing button
ButtonTheme azure();  // bright blue, for the light notice windows
}  // namespace themes

struct ButtonShape {
  double inset = 1;   // room left around the body for the hover glow
  double radius = 5;
  double text_px = 12;
};

// One frame of a rounded captioned button filling (0, 0)-(w, h).
void caption_button(cairo_t* cr, int w, int h, Look look, const std::string& caption,
                    const ButtonTheme& theme, const ButtonShape& shape);

// The body alone, for buttons that carry a glyph instead of a caption.
void button_body(cairo_t* cr, double x, double y, double w, double h, double radius, Look look,
                 const ButtonTheme& theme);

// A strip of two (normal, hover) or three (normal, hover, pressed) stacked frames.
Surface caption_strip(int w, int h, int frames, const std::string& caption,
                      const ButtonTheme& theme, const ButtonShape& shape);

Look look_of(int frame);
Rgba hover_text(const ButtonTheme& theme, Look look);

}  // namespace velmoor

#pragma once
#include "paint.hpp"

#include <functional>
#include <vector>

namespace velmoor {

// One picture of the skin: its resource id, the size the windows expect, and how to draw it.
struct Artwork {
  int id;
  int width;
  int height;
  std::function<Surface()> draw;
};

std::vector<Artwork> launcher_artwork();
std::vector<Artwork> game_artwork();
std::vector<Artwork> dialog_artwork();
std::vector<Artwork> notice_artwork();

// The program icon, 256 x 256.
Surface app_icon();

// Shared glyph buttons.
void round_glyph_button(cairo_t* cr, double cx, double cy, double r, Look look, bool cross,
                        Rgba hover_tint);
void small_cross(cairo_t* cr, int size, Look look, Rgba idle, Rgba hover_fill);
void diamond(cairo_t* cr, double cx, double cy, double r, Rgba c);

}  // namespace velmoor

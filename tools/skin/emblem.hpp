#pragma once
#include "paint.hpp"

namespace velmoor {

// The game's badge: a gold-rimmed night disc with a crescent over a bold "V".
void draw_emblem(cairo_t* cr, double cx, double cy, double r);
// The badge inside a pointed shield, for tall places.
void draw_shield_emblem(cairo_t* cr, double x, double y, double w, double h);
// A crescent moon of radius r, opening towards the upper right.
void crescent(cairo_t* cr, double cx, double cy, double r);

}  // namespace velmoor

#include "emblem.hpp"

#include <cmath>

namespace velmoor {

void crescent(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx + r * 0.42, cy - r * 0.30, r * 0.80, 2 * M_PI, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
}

static void gold_fill(cairo_t* cr, double y0, double y1) {
  Pattern p = vertical3(y0, y1, palette::pale_gold, palette::gold, palette::dark_gold);
  cairo_set_source(cr, p.get());
  cairo_fill_preserve(cr);
}

static void v_letter(cairo_t* cr, double cx, double cy, double r) {
  const double top = cy - 0.30 * r, notch = cy + 0.26 * r, foot = cy + 0.64 * r;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 0.60 * r, top);
  cairo_line_to(cr, cx - 0.27 * r, top);
  cairo_line_to(cr, cx, notch);
  cairo_line_to(cr, cx + 0.27 * r, top);
  cairo_line_to(cr, cx + 0.60 * r, top);
  cairo_line_to(cr, cx + 0.08 * r, foot);
  cairo_line_to(cr, cx - 0.08 * r, foot);
  cairo_close_path(cr);
  gold_fill(cr, top, foot);
  stroke_with(cr, rgb(0x2A1A05, 0.8), std::max(0.6, r * 0.03));
}

void draw_emblem(cairo_t* cr, double cx, double cy, double r) {
  SavedState keep(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  gold_fill(cr, cy - r, cy + r);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r * 0.86, 0, 2 * M_PI);
  Pattern night = radial(cx, cy - r * 0.3, r * 1.1, palette::royal, palette::night);
  fill_with(cr, night.get());
  cairo_arc(cr, cx, cy, r * 0.86, 0, 2 * M_PI);
  stroke_with(cr, rgb(0x2A1A05, 0.7), std::max(0.6, r * 0.025));
  crescent(cr, cx, cy - 0.53 * r, 0.21 * r);
  gold_fill(cr, cy - 0.75 * r, cy - 0.3 * r);
  cairo_new_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  v_letter(cr, cx, cy, r);
}

void draw_shield_emblem(cairo_t* cr, double x, double y, double w, double h) {
  SavedState keep(cr);
  auto shield = [&](double inset) {
    double l = x + inset, t = y + inset, rr = x + w - inset, b = y + h - inset;
    double mid = x + w / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, l, t + (b - t) * 0.08);
    cairo_curve_to(cr, mid - w * 0.2, t, mid + w * 0.2, t, rr, t + (b - t) * 0.08);
    cairo_curve_to(cr, rr, t + (b - t) * 0.6, mid + w * 0.2, b - (b - t) * 0.1, mid, b);
    cairo_curve_to(cr, mid - w * 0.2, b - (b - t) * 0.1, l, t + (b - t) * 0.6, l,
                   t + (b - t) * 0.08);
    cairo_close_path(cr);
  };
  shield(0.5);
  gold_fill(cr, y, y + h);
  stroke_with(cr, rgb(0x2A1A05, 0.8), 1);
  shield(w * 0.09);
  Pattern night = radial(x + w / 2, y + h * 0.3, h, palette::royal, palette::night);
  fill_with(cr, night.get());
  double r = w * 0.42;
  double cx = x + w / 2, cy = y + h * 0.47;
  crescent(cr, cx, cy - 0.52 * r, 0.22 * r);
  gold_fill(cr, cy - 0.8 * r, cy - 0.3 * r);
  cairo_new_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  v_letter(cr, cx, cy, r);
}

}  // namespace velmoor

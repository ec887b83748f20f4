#pragma once
// Owning wrappers for the cairo and pango objects the artwork is drawn with.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace velmoor {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct PatternDeleter {
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
struct LayoutDeleter {
  void operator()(PangoLayout* l) const { g_object_unref(l); }
};
struct FontDeleter {
  void operator()(PangoFontDescription* f) const { pango_font_description_free(f); }
};

using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;
using Layout = std::unique_ptr<PangoLayout, LayoutDeleter>;
using FontDesc = std::unique_ptr<PangoFontDescription, FontDeleter>;

inline Surface make_surface(int w, int h, cairo_format_t f = CAIRO_FORMAT_ARGB32) {
  return Surface(cairo_image_surface_create(f, w, h));
}
inline Context make_context(cairo_surface_t* s) { return Context(cairo_create(s)); }

// Saves the context state for one scope.
class SavedState {
 public:
  explicit SavedState(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
  ~SavedState() { cairo_restore(cr_); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  cairo_t* cr_;
};

}  // namespace velmoor

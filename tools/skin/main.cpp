// Writes the skin pictures: <res>/png/<id>.png and the icon <res>/icon/5.png.
#include "art.hpp"
#include "emblem.hpp"

#include <cstdio>
#include <filesystem>
#include <string>

namespace velmoor {

Surface app_icon() {
  return single(256, 256, [](cairo_t* cr, int w, int h) {
    draw_emblem(cr, w / 2.0, h / 2.0, 126);
  });
}

namespace {

bool write_png(cairo_surface_t* s, const std::filesystem::path& file) {
  cairo_surface_flush(s);
  return cairo_surface_write_to_png(s, file.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool write_artwork(const Artwork& art, const std::filesystem::path& dir) {
  Surface s = art.draw();
  int w = cairo_image_surface_get_width(s.get()), h = cairo_image_surface_get_height(s.get());
  if (w != art.width || h != art.height) {
    std::fprintf(stderr, "%d: drawn %d x %d, expected %d x %d\n", art.id, w, h, art.width,
                 art.height);
    return false;
  }
  return write_png(s.get(), dir / (std::to_string(art.id) + ".png"));
}

}  // namespace
}  // namespace velmoor

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  fs::path res = argc > 1 ? argv[1] : "res";
  fs::create_directories(res / "png");
  fs::create_directories(res / "icon");
  bool ok = true;
  for (auto* group : {velmoor::launcher_artwork, velmoor::game_artwork, velmoor::dialog_artwork,
                      velmoor::notice_artwork})
    for (const velmoor::Artwork& art : group()) ok = velmoor::write_artwork(art, res / "png") && ok;
  velmoor::Surface icon = velmoor::app_icon();
  ok = velmoor::write_png(icon.get(), res / "icon" / "5.png") && ok;
  return ok ? 0 : 1;
}

#include "LauncherFixture.h"

#include <cstdint>

#include "support/CSkinImage.h"
#include "support/SkinDraw.h"

namespace velmoor::test {
namespace {

class LauncherSkin : public LauncherFixture {
protected:
    static std::uint32_t Pixel(cairo_surface_t* s, int x, int y)
    {
        cairo_surface_flush(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    }

    // What one button should look like: its sprite frame `row` over the background.
    static cairo_surface_t* Expected(const RECT& r, int imageId, int row)
    {
        CSkinImage background;
        CSkinImage sprite;
        LoadPngImage(109, background);
        LoadPngImage(imageId, sprite);
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.Width(), r.Height());
        cairo_t* cr = cairo_create(s);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, background.Surface(), -r.left, -r.top);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_set_source_surface(cr, sprite.Surface(), 0, -row * r.Height());
        cairo_rectangle(cr, 0, 0, r.Width(), r.Height());
        cairo_fill(cr);
        cairo_destroy(cr);
        return s;
    }

    // Counts pixels of the button's rectangle in the composed skin that differ from `expected`.
    int Mismatches(const RECT& r, cairo_surface_t* expected)
    {
        cairo_surface_t* skin = Native().LayeredSurface();
        int bad = 0;
        for (int y = 0; y < r.Height(); ++y) {
            for (int x = 0; x < r.Width(); ++x) {
                if (Pixel(skin, r.left + x, r.top + y) != Pixel(expected, x, y))
                    ++bad;
            }
        }
        return bad;
    }
};

TEST_F(LauncherSkin, TheSkinIsTheBackgroundWithTransparentSurroundings)
{
    Open();
    cairo_surface_t* skin = Native().LayeredSurface();
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(skin), 1200);
    EXPECT_EQ(cairo_image_surface_get_height(skin), 815);
    EXPECT_EQ(Pixel(skin, 0, 0) >> 24, 0u) << "corner shows the desktop";
    EXPECT_EQ(Pixel(skin, 600, 420) >> 24, 255u) << "the web area is opaque";
}

TEST_F(LauncherSkin, EachButtonShowsTheSpriteRowOfItsHoverState)
{
    Open();
    struct Case {
        CMainWnd::Button button;
        int imageId;
    };
    const Case cases[] = {
        {CMainWnd::Close, 104},    {CMainWnd::Minimise, 112}, {CMainWnd::Official, 124},
        {CMainWnd::Payment, 122},  {CMainWnd::Service, 123},  {CMainWnd::Forum, 121},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.imageId);
        const RECT r = launcher->ButtonRects[c.button];
        for (int hover : {0, 1}) {
            launcher->HoverFlags.fill(0);
            launcher->HoverFlags[c.button] = hover;
            launcher->RedrawSkin();
            cairo_surface_t* expected = Expected(r, c.imageId, hover);
            cairo_surface_t* other = Expected(r, c.imageId, 1 - hover);
            EXPECT_EQ(Mismatches(r, expected), 0) << "hover " << hover;
            EXPECT_GT(Mismatches(r, other), 0) << "the two frames must differ";
            cairo_surface_destroy(expected);
            cairo_surface_destroy(other);
        }
    }
}

TEST_F(LauncherSkin, StackedFramesSelectTheirRows)
{
    // A 40 × 60 strip of three frames shows rows 0–19, 20–39 and 40–59.
    cairo_surface_t* strip = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 60);
    cairo_t* cr = cairo_create(strip);
    const double shades[] = {0.2, 0.5, 0.8};
    for (int f = 0; f < 3; ++f) {
        cairo_set_source_rgb(cr, shades[f], 0, 0);
        cairo_rectangle(cr, 0, f * 20, 40, 20);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    CSkinImage image;
    image.Adopt(strip);
    for (int f = 0; f < 3; ++f) {
        cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 20);
        cairo_t* c = cairo_create(out);
        DrawStackedFrame(c, image, {0, 0, 40, 20}, f);
        cairo_destroy(c);
        const std::uint32_t want = 0xFF000000u | (static_cast<std::uint32_t>(shades[f] * 255 + 0.5) << 16);
        EXPECT_EQ(Pixel(out, 0, 0), want) << f;
        EXPECT_EQ(Pixel(out, 39, 19), want) << f;
        cairo_surface_destroy(out);
    }
}

TEST_F(LauncherSkin, AMissingImageDrawsNothingAndTheRestStillPaints)
{
    CSkinImage missing;
    EXPECT_FALSE(LoadPngImage(99999, missing));
    EXPECT_TRUE(missing.IsEmpty());
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 10, 10);
    cairo_t* cr = cairo_create(out);
    DrawImage(cr, missing, {0, 0, 10, 10});
    FillSolid(cr, {0, 0, 5, 5}, 0xFF00FF00u);
    cairo_destroy(cr);
    EXPECT_EQ(Pixel(out, 1, 1), 0xFF00FF00u);
    EXPECT_EQ(Pixel(out, 8, 8), 0u);
    cairo_surface_destroy(out);
}

}  // namespace
}  // namespace velmoor::test

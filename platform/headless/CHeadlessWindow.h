#pragma once
#include <string>

#include "platform/INativeWindow.h"

namespace velmoor {

// A window of the headless backend: a plain object that remembers what the program did to it,
// and keeps the last per-pixel-alpha picture for pixel checks.
class CHeadlessWindow : public INativeWindow {
public:
    explicit CHeadlessWindow(const RECT& bounds) : m_bounds(bounds) {}
    ~CHeadlessWindow() override;

    void Show(int showCommand) override;
    bool IsVisible() const override { return m_visible; }
    bool IsIconic() const override { return m_iconic; }
    bool IsZoomed() const override { return m_zoomed; }
    void SetBounds(const RECT& screenRect) override { m_bounds = screenRect; }
    void SetTitle(const std::string& title) override { m_title = title; }
    void SetIconPng(std::span<const unsigned char> png) override { m_iconBytes = png.size(); }
    void UpdateLayered(cairo_surface_t* argb32) override;
    void Invalidate(const RECT*) override { ++m_invalidations; }
    void BeginMoveDrag() override { ++m_moveDrags; }
    void SetCursor(Cursor cursor) override { m_cursor = cursor; }
    void SetForeground() override { ++m_foregrounds; }
    void SetFocus() override { ++m_focuses; }
    void ReleaseCapture() override { ++m_captureReleases; }

    // What tests look at.
    const RECT& Bounds() const { return m_bounds; }
    const std::string& Title() const { return m_title; }
    std::size_t IconBytes() const { return m_iconBytes; }
    cairo_surface_t* LayeredSurface() const { return m_layered; }
    int LayeredUpdates() const { return m_layeredUpdates; }
    int Invalidations() const { return m_invalidations; }
    int MoveDrags() const { return m_moveDrags; }
    Cursor CurrentCursor() const { return m_cursor; }
    int Foregrounds() const { return m_foregrounds; }
    int ShowCalls() const { return m_showCalls; }
    int LastShowCommand() const { return m_lastShow; }

private:
    RECT m_bounds;
    std::string m_title;
    std::size_t m_iconBytes = 0;
    bool m_visible = false;
    bool m_iconic = false;
    bool m_zoomed = false;
    cairo_surface_t* m_layered = nullptr;
    int m_layeredUpdates = 0;
    int m_invalidations = 0;
    int m_moveDrags = 0;
    int m_foregrounds = 0;
    int m_focuses = 0;
    int m_captureReleases = 0;
    int m_showCalls = 0;
    int m_lastShow = -1;
    Cursor m_cursor = Cursor::Arrow;
};

}  // namespace velmoor

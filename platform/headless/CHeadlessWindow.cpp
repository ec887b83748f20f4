#include "platform/headless/CHeadlessWindow.h"

namespace velmoor {

CHeadlessWindow::~CHeadlessWindow()
{
    if (m_layered)
        cairo_surface_destroy(m_layered);
}

void CHeadlessWindow::Show(int showCommand)
{
    ++m_showCalls;
    m_lastShow = showCommand;
    switch (showCommand) {
    case SW_HIDE: m_visible = false; break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED: m_visible = true; m_iconic = true; break;
    case SW_MAXIMIZE: m_visible = true; m_iconic = false; m_zoomed = true; break;
    case SW_RESTORE:
        m_visible = true;
        if (m_iconic)
            m_iconic = false;
        else
            m_zoomed = false;
        break;
    default: m_visible = true; break;
    }
}

void CHeadlessWindow::UpdateLayered(cairo_surface_t* argb32)
{
    // Keep a copy: the caller may draw into its surface again before a test looks.
    const int w = cairo_image_surface_get_width(argb32);
    const int h = cairo_image_surface_get_height(argb32);
    if (!m_layered || cairo_image_surface_get_width(m_layered) != w || cairo_image_surface_get_height(m_layered) != h) {
        if (m_layered)
            cairo_surface_destroy(m_layered);
        m_layered = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    }
    cairo_t* cr = cairo_create(m_layered);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, argb32, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(m_layered);
    ++m_layeredUpdates;
}

}  // namespace velmoor

#include "support/CSkinImage.h"

#include <cstring>
#include <span>
#include <utility>

#include "support/Resource.h"

namespace velmoor {

CSkinImage::~CSkinImage()
{
    Reset();
}

CSkinImage::CSkinImage(CSkinImage&& other) noexcept : m_surface(std::exchange(other.m_surface, nullptr)) {}

CSkinImage& CSkinImage::operator=(CSkinImage&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_surface = std::exchange(other.m_surface, nullptr);
    }
    return *this;
}

int CSkinImage::Width() const
{
    return m_surface ? cairo_image_surface_get_width(m_surface) : 0;
}

int CSkinImage::Height() const
{
    return m_surface ? cairo_image_surface_get_height(m_surface) : 0;
}

void CSkinImage::Reset()
{
    if (m_surface)
        cairo_surface_destroy(m_surface);
    m_surface = nullptr;
}

void CSkinImage::Adopt(cairo_surface_t* surface)
{
    Reset();
    if (surface == nullptr)
        return;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    m_surface = surface;
}

namespace {

struct PngReader {
    std::span<const unsigned char> bytes;
    std::size_t offset = 0;
};

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length)
{
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->bytes.size() - reader->offset < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, reader->bytes.data() + reader->offset, length);
    reader->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool LoadPngImage(int id, CSkinImage& image)
{
    image.Reset();
    const auto bytes = FindProgramResource(id, "PNG");
    if (bytes.empty())
        return false;
    PngReader reader{bytes};
    image.Adopt(cairo_image_surface_create_from_png_stream(ReadPng, &reader));
    return true;
}

}  // namespace velmoor

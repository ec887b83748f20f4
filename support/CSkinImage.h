#pragma once
#include <cairo.h>

namespace velmoor {

// An image of the skin: a decoded PNG resource held as a cairo image surface. An image whose
// resource is missing or does not decode is empty and draws nothing.
class CSkinImage {
public:
    CSkinImage() = default;
    ~CSkinImage();
    CSkinImage(const CSkinImage&) = delete;
    CSkinImage& operator=(const CSkinImage&) = delete;
    CSkinImage(CSkinImage&& other) noexcept;
    CSkinImage& operator=(CSkinImage&& other) noexcept;

    bool IsEmpty() const { return m_surface == nullptr; }
    int Width() const;
    int Height() const;
    cairo_surface_t* Surface() const { return m_surface; }
    void Reset();
    // Takes ownership of `surface`; an image surface that failed to decode leaves it empty.
    void Adopt(cairo_surface_t* surface);

private:
    cairo_surface_t* m_surface = nullptr;
};

// Loads PNG resource `id` into `image`. False when the resource is missing; a resource that
// does not decode gives true and an empty image, which draws nothing.
bool LoadPngImage(int id, CSkinImage& image);

}  // namespace velmoor

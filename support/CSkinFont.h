#pragma once
#include <memory>
#include <string>

#include <pango/pango-font.h>

namespace velmoor {

enum class FontStyle { Regular, Bold };

// A font of the skin in pixel units.
class CSkinFont {
public:
    CSkinFont(const std::string& family, int pixelSize, FontStyle style);
    ~CSkinFont();
    CSkinFont(const CSkinFont&) = delete;
    CSkinFont& operator=(const CSkinFont&) = delete;

    const PangoFontDescription* Description() const { return m_description; }
    const std::string& Family() const { return m_family; }
    int PixelSize() const { return m_pixelSize; }
    // True when the window's preferred family was missing and "宋体" stands in, one pixel larger.
    bool IsFallback() const { return m_fallback; }
    void MarkFallback() { m_fallback = true; }

private:
    std::string m_family;
    int m_pixelSize;
    bool m_fallback = false;
    PangoFontDescription* m_description;
};

// Whether fontconfig really has `family` (not a substitute it would pick for it).
bool IsFontFamilyInstalled(const std::string& family);

// "微软雅黑" at `size` pixels; when the system does not have it, "宋体" at size + 1.
std::unique_ptr<CSkinFont> CreateSkinFont(int size, FontStyle style);

}  // namespace velmoor

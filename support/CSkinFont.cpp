#include "support/CSkinFont.h"

#include <fontconfig/fontconfig.h>

namespace velmoor {

CSkinFont::CSkinFont(const std::string& family, int pixelSize, FontStyle style)
    : m_family(family), m_pixelSize(pixelSize), m_description(pango_font_description_new())
{
    pango_font_description_set_family(m_description, family.c_str());
    pango_font_description_set_absolute_size(m_description, pixelSize * PANGO_SCALE);
    pango_font_description_set_weight(m_description, style == FontStyle::Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
}

CSkinFont::~CSkinFont()
{
    pango_font_description_free(m_description);
}

bool IsFontFamilyInstalled(const std::string& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

std::unique_ptr<CSkinFont> CreateSkinFont(int size, FontStyle style)
{
    static const bool preferred = IsFontFamilyInstalled("微软雅黑");
    if (preferred)
        return std::make_unique<CSkinFont>("微软雅黑", size, style);
    auto font = std::make_unique<CSkinFont>("宋体", size + 1, style);
    font->MarkFallback();
    return font;
}

}  // namespace velmoor

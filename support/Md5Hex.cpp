#include "support/Md5Hex.h"

#include <glib.h>
#include <langinfo.h>

#include <algorithm>
#include <memory>

namespace velmoor {

namespace {

struct ChecksumFree {
    void operator()(GChecksum* checksum) const { g_checksum_free(checksum); }
};

struct GFreeText {
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeText>;

// The text as the locale's narrow codeset would hold it, cut at the first zero character: the
// digest has always been taken over a zero-terminated text.
std::string NarrowText(const std::string& utf8Text)
{
    const std::string cut = utf8Text.substr(0, utf8Text.find('\0'));
    const GText valid(g_utf8_make_valid(cut.data(), static_cast<gssize>(cut.size())));
    const char* codeset = nl_langinfo(CODESET);
    gsize written = 0;
    const GText narrow(g_convert_with_fallback(valid.get(), -1, codeset, "UTF-8", "?", nullptr, &written, nullptr));
    if (!narrow)
        return valid.get();  // the codeset is unknown to the converter: nothing better to offer
    return std::string(narrow.get(), written);
}

}  // namespace

std::string Md5Hex(const std::string& utf8Text)
{
    std::string bytes = NarrowText(utf8Text);
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));

    std::unique_ptr<GChecksum, ChecksumFree> checksum(g_checksum_new(G_CHECKSUM_MD5));
    g_checksum_update(checksum.get(), reinterpret_cast<const guchar*>(bytes.data()), static_cast<gssize>(bytes.size()));
    return g_checksum_get_string(checksum.get());  // lowercase hex, owned by the checksum
}

}  // namespace velmoor

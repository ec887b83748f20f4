#include "support/Md5Hex.h"

#include <glib.h>

#include <memory>

namespace velmoor {

namespace {

struct ChecksumFree {
    void operator()(GChecksum* checksum) const { g_checksum_free(checksum); }
};

}  // namespace

std::string Md5Hex(const std::string& utf8Text)
{
    // The digest has always been taken over a zero-terminated text: what follows a zero
    // character is not part of it.
    const std::string::size_type length = utf8Text.find('\0');
    const std::string::size_type used = length == std::string::npos ? utf8Text.size() : length;

    std::unique_ptr<GChecksum, ChecksumFree> checksum(g_checksum_new(G_CHECKSUM_MD5));
    g_checksum_update(checksum.get(), reinterpret_cast<const guchar*>(utf8Text.data()),
                      static_cast<gssize>(used));
    return g_checksum_get_string(checksum.get());  // lowercase hex, owned by the checksum
}

}  // namespace velmoor

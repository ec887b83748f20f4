#include "support/PercentEncode.h"

namespace velmoor {

std::string PercentEncode(std::string_view text, bool (*mustEncode)(unsigned char))
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const unsigned char c : text) {
        if (!mustEncode(c)) {
            out += static_cast<char>(c);
            continue;
        }
        out += '%';
        out += kHex[c >> 4];
        out += kHex[c & 0x0F];
    }
    return out;
}

bool IsNotUnreserved(unsigned char c)
{
    const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                            c == '.' || c == '_' || c == '~';
    return !unreserved;
}

}  // namespace velmoor

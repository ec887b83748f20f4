#include "net/Utf8Repair.h"

namespace velmoor {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed sequence starting at `pos`, or 0 when the bytes there are
// ill-formed; `consumed` then tells how many bytes one replacement character stands for.
std::size_t WellFormedLength(std::string_view s, std::size_t pos, std::size_t& consumed)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    consumed = 1;
    if (lead < 0x80)
        return 1;

    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // no overlong forms
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }

    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= s.size())
            return 0;
        const unsigned char b = byte(pos + i);
        const bool ok = i == 1 ? (b >= low && b <= high) : (b >= 0x80 && b <= 0xBF);
        if (!ok)
            return 0;
        consumed = i + 1;
    }
    return length;
}

}  // namespace

std::string RepairUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t consumed = 1;
        const std::size_t length = WellFormedLength(bytes, pos, consumed);
        if (length > 0) {
            text.append(bytes.substr(pos, length));
            pos += length;
        } else {
            text.append(kReplacement);
            pos += consumed;
        }
    }
    return text;
}

}  // namespace velmoor

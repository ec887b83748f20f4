#include "support/TextUtils.h"

#include <cstdint>

namespace velmoor {

char ToLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string ToLowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = ToLowerAscii(c);
    return lower;
}

bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i]))
            return false;
    }
    return true;
}

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence starting at text[pos], or 0 when it is malformed.
std::size_t SequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(c))
            return 0;
        value = (value << 6) | (c & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF)
        return 0;
    return length;
}

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = SequenceLength(text, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string TruncateCodePoints(std::string_view text, std::size_t maxCodePoints)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (IsContinuation(static_cast<unsigned char>(text[pos])))
            continue;
        if (count == maxCodePoints)
            return std::string(text.substr(0, pos));
        ++count;
    }
    return std::string(text);
}

std::string_view TrimWhiteSpace(std::string_view text)
{
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace velmoor

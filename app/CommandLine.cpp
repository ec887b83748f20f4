#include "app/CommandLine.h"

#include <cwctype>

#include "support/DecimalText.h"

namespace velmoor {

namespace {

bool IsSpaceByte(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string Trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpaceByte(text[begin]))
        ++begin;
    while (end > begin && IsSpaceByte(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::uint32_t DelayForMinutes(int minutes)
{
    // A negative count waits not at all; one too large for a 32-bit millisecond count waits
    // the longest such count rather than a wrapped-around one.
    if (minutes <= 0)
        return 0;
    const std::uint64_t ms = static_cast<std::uint64_t>(minutes) * 60000u;
    return ms > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(ms);
}

}  // namespace

StartRequest ParseCommandLine(const std::string& cmdLine, const std::vector<std::string>& argv)
{
    StartRequest request;
    request.commandWord = Trim(cmdLine);
    if (argv.size() == 3) {
        request.commandWord = argv[1];
        request.delayMs = DelayForMinutes(ParseLeadingInt(argv[2]));
    }
    return request;
}

}  // namespace velmoor

#include "MachineAddresses.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace velmoor::test {

std::set<std::string> MachineAddresses()
{
    std::set<std::string> addresses;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/net", error)) {
        std::ifstream in(entry.path() / "address");
        std::string text;
        std::getline(in, text);
        if (text.size() != 17 || text == "00:00:00:00:00:00")
            continue;
        std::replace(text.begin(), text.end(), ':', '-');
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        addresses.insert(text);
    }
    return addresses;
}

}  // namespace velmoor::test

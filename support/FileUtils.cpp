#include "support/FileUtils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace velmoor {

std::string ReadSymbolicLink(const std::string& link)
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        if (buffer.size() >= (1u << 20))
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string GetProgramPath()
{
    return ReadSymbolicLink("/proc/self/exe");
}

std::string GetProgramFolder()
{
    const std::string path = GetProgramPath();
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return path.substr(0, slash + 1);
}

std::string GetProgramTitle()
{
    std::string name = BaseName(GetProgramPath());
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

bool PathExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string BaseName(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace velmoor

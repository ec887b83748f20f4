#include "support/CFileDescriptor.h"

#include <unistd.h>

#include <cerrno>

namespace velmoor {

bool CFileDescriptor::Close()
{
    const bool ok = m_fd < 0 || ::close(m_fd) == 0;
    m_fd = -1;
    return ok;
}

bool CFileDescriptor::WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace velmoor

#include "support/FileContents.h"

#include "support/CFileDescriptor.h"
#include "support/CScopedPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace velmoor {

namespace {

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where the bytes really go: the target of a symbolic link, else `path` itself.
std::string ResolveTarget(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

// Creates a new temporary file next to `target`; its name is hidden and unique to this call.
int CreateTemporary(const std::string& target, std::string& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const std::string prefix = FolderOf(target) + "/." + NameOf(target) + ".tmp-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = prefix + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself durable; a failure here no longer endangers the file's contents.
void SyncFolder(const std::string& folder)
{
    const CFileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid())
        ::fsync(dir.Get());
}

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::string& content)
{
    content.clear();
    const CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid())
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::Unreadable;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return ReadResult::Unreadable;
    content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            content.clear();
            return ReadResult::Unreadable;
        }
        if (count == 0)
            return ReadResult::Ok;
        content.append(buffer, static_cast<std::size_t>(count));
    }
}

bool WriteFileAtomically(const std::string& path, std::string_view content)
{
    if (path.empty())
        return false;
    const std::string target = ResolveTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return false;
    std::string tempPath;
    CFileDescriptor file(CreateTemporary(target, tempPath));
    if (!file.Valid())
        return false;
    CScopedPath temporary(tempPath);
    if (replacing && ::fchmod(file.Get(), old.st_mode & 07777) != 0)
        return false;
    if (!file.WriteAll(content) || ::fsync(file.Get()) != 0 || !file.Close())
        return false;
    if (::rename(temporary.Path().c_str(), target.c_str()) != 0)
        return false;
    temporary.Release();
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace velmoor

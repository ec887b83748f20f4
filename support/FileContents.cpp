#include "support/FileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace velmoor {

namespace {

// Owns a file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (a late write error shows up here).
    bool Close()
    {
        const bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

// Removes the temporary file unless the rename has consumed it.
class TemporaryPath {
public:
    explicit TemporaryPath(std::string path) : path_(std::move(path)) {}
    TemporaryPath(const TemporaryPath&) = delete;
    TemporaryPath& operator=(const TemporaryPath&) = delete;
    ~TemporaryPath()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

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

bool WriteAll(int fd, std::string_view content)
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

// Makes the rename itself durable; a failure here no longer endangers the file's contents.
void SyncFolder(const std::string& folder)
{
    const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid())
        ::fsync(dir.Get());
}

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::string& content)
{
    content.clear();
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
    FileDescriptor file(CreateTemporary(target, tempPath));
    if (!file.Valid())
        return false;
    TemporaryPath temporary(tempPath);
    if (replacing && ::fchmod(file.Get(), old.st_mode & 07777) != 0)
        return false;
    if (!WriteAll(file.Get(), content) || ::fsync(file.Get()) != 0 || !file.Close())
        return false;
    if (::rename(temporary.Path().c_str(), target.c_str()) != 0)
        return false;
    temporary.Release();
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace velmoor

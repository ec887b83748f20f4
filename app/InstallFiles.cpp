#include "app/InstallFiles.h"

#include "support/FileContents.h"
#include "support/FileUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <sstream>

namespace velmoor {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    bool Close()
    {
        const bool ok = m_fd < 0 || ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

private:
    int m_fd;
};

// A path that is removed when it goes out of scope, unless released.
class PathRemover {
public:
    explicit PathRemover(std::string path) : m_path(std::move(path)) {}
    PathRemover(const PathRemover&) = delete;
    PathRemover& operator=(const PathRemover&) = delete;
    ~PathRemover()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }

private:
    std::string m_path;
};

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool CopyContents(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!WriteAll(to, buffer, static_cast<std::size_t>(got)))
            return false;
    }
}

std::string TemporaryBeside(const std::string& path)
{
    return path + ".part" + std::to_string(::getpid());
}

}  // namespace

bool MakeFolder(const std::string& path)
{
    if (path.empty())
        return false;
    return PathExists(path) || ::mkdir(path.c_str(), 0755) == 0;
}

bool CopyFileNoReplace(const std::string& from, const std::string& to)
{
    if (from.empty() || to.empty() || PathExists(to))
        return false;
    FileDescriptor source(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!source.Valid())
        return false;
    const std::string temporary = TemporaryBeside(to);
    ::unlink(temporary.c_str());
    FileDescriptor copy(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0755));
    if (!copy.Valid())
        return false;
    const PathRemover removeTemporary(temporary);
    if (!CopyContents(source.Get(), copy.Get()) || ::fchmod(copy.Get(), 0755) != 0
        || ::fsync(copy.Get()) != 0 || !copy.Close())
        return false;
    // link() fails when `to` exists, so an installed copy is never replaced, not even by a
    // second installer racing this one.
    return ::link(temporary.c_str(), to.c_str()) == 0;
}

bool WriteExecutable(const std::string& path, std::span<const unsigned char> bytes)
{
    if (path.empty() || bytes.empty())
        return false;
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return WriteFileAtomically(path, content) && ::chmod(path.c_str(), 0755) == 0;
}

std::vector<std::string> SplitParameters(const std::string& text)
{
    std::istringstream words(text);
    std::vector<std::string> parts;
    std::string word;
    while (words >> word)
        parts.push_back(word);
    return parts;
}

bool StartDetached(const std::string& file, const std::string& parameters, const std::string& folder)
{
    std::vector<std::string> words = SplitParameters(parameters);
    words.insert(words.begin(), file);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0)
        return false;
    FileDescriptor readEnd(status[0]);
    FileDescriptor writeEnd(status[1]);
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // Only async-signal-safe calls from here on. The middle process ends at once, so the
        // program is adopted by init and outlives the installer without becoming a zombie.
        const char failed = 1;
        ::setsid();
        const pid_t program = ::fork();
        if (program > 0)
            ::_exit(0);
        if (program == 0 && ::chdir(folder.c_str()) == 0)
            ::execv(file.c_str(), argv.data());
        (void)!::write(status[1], &failed, 1);
        ::_exit(127);
    }
    writeEnd.Close();
    int childStatus = 0;
    while (::waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes on a successful exec and carries one byte when the start failed.
    char failed = 0;
    ssize_t got;
    while ((got = ::read(readEnd.Get(), &failed, 1)) < 0 && errno == EINTR) {
    }
    return got == 0;
}

}  // namespace velmoor

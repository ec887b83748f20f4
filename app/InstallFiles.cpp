#include "app/InstallFiles.h"

#include "support/CFileDescriptor.h"
#include "support/CScopedPath.h"
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
        if (!CFileDescriptor::WriteAll(to, std::string_view(buffer, static_cast<std::size_t>(got))))
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
    CFileDescriptor source(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!source.Valid())
        return false;
    const std::string temporary = TemporaryBeside(to);
    ::unlink(temporary.c_str());
    CFileDescriptor copy(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0755));
    if (!copy.Valid())
        return false;
    const CScopedPath removeTemporary(temporary);
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
    CFileDescriptor readEnd(status[0]);
    CFileDescriptor writeEnd(status[1]);
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

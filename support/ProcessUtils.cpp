#include "support/ProcessUtils.h"

#include "platform/MessageBox.h"
#include "support/FileUtils.h"
#include "support/TextUtils.h"

#include <dirent.h>
#include <malloc.h>

#include <fstream>
#include <memory>

namespace velmoor {

namespace {

// Linux keeps this many bytes of a program's name in comm (TASK_COMM_LEN less the zero).
constexpr std::size_t kCommLength = 15;

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

std::optional<int> ParsePid(const char* name)
{
    int pid = 0;
    if (*name == '\0')
        return std::nullopt;
    for (const char* c = name; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || pid > 100000000)
            return std::nullopt;
        pid = pid * 10 + (*c - '0');
    }
    return pid > 0 ? std::optional<int>(pid) : std::nullopt;
}

std::string ReadSmallFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text;
    std::getline(in, text, '\0');
    return text;
}

// The exe link's base name; a program file deleted while running shows " (deleted)" after it.
std::optional<std::string> ExeName(const std::string& procEntry)
{
    std::string target = ReadSymbolicLink(procEntry + "/exe");
    if (target.empty())
        return std::nullopt;
    constexpr std::string_view deleted = " (deleted)";
    if (target.size() > deleted.size() && target.ends_with(deleted) && !PathExists(target))
        target.resize(target.size() - deleted.size());
    return BaseName(target);
}

}  // namespace

void TrimOwnWorkingSet()
{
    ::malloc_trim(0);
}

void TrimAllWorkingSets()
{
    std::vector<int> pids;
    if (!ListProcessIds("/proc", pids)) {
        MessageBox("清除失败", GetProgramTitle(), MB_OK);
        return;
    }
    TrimOwnWorkingSet();
}

void EnableDebugPrivilege() {}

bool ProcessNameMatches(const ProcessNames& names, std::string_view fileName)
{
    if (fileName.empty())
        return false;
    if (names.exeName)
        return EqualsIgnoreAsciiCase(*names.exeName, fileName);
    if (names.comm.empty())
        return false;
    if (names.comm.size() < kCommLength)
        return EqualsIgnoreAsciiCase(names.comm, fileName);
    return EqualsIgnoreAsciiCase(names.comm, fileName.substr(0, names.comm.size()))
        && EqualsIgnoreAsciiCase(names.argv0Name, fileName);
}

ProcessNames ReadProcessNames(const std::string& procEntry)
{
    ProcessNames names;
    names.exeName = ExeName(procEntry);
    names.comm = ReadSmallFile(procEntry + "/comm");
    if (!names.comm.empty() && names.comm.back() == '\n')
        names.comm.pop_back();
    names.argv0Name = BaseName(ReadSmallFile(procEntry + "/cmdline"));
    return names;
}

bool ListProcessIds(const std::string& procRoot, std::vector<int>& pids)
{
    pids.clear();
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(procRoot.c_str()));
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (const auto pid = ParsePid(entry->d_name))
            pids.push_back(*pid);
    }
    return !pids.empty();
}

bool IsProcessRunning(const std::string& fileName)
{
    std::vector<int> pids;
    if (fileName.empty() || !ListProcessIds("/proc", pids))
        return false;
    for (const int pid : pids) {
        if (ProcessNameMatches(ReadProcessNames("/proc/" + std::to_string(pid)), fileName))
            return true;
    }
    return false;
}

}  // namespace velmoor

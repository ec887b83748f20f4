#include "support/FolderContents.h"

#include "support/TextUtils.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

namespace velmoor {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

// Takes ownership of `fd`; the stream closes it.
DirHandle OpenDirStream(int fd)
{
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr)
        ::close(fd);
    return DirHandle(dir);
}

// The names are collected before anything is removed, so removal never disturbs the listing.
std::vector<std::string> ListEntries(DIR* dir)
{
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    return names;
}

bool ClearFolder(int dirFd, bool deleteAll);

void RemoveSubfolder(int parentFd, const std::string& name, const struct stat& info, bool deleteAll)
{
    constexpr mode_t kOwnerAccess = S_IRUSR | S_IWUSR | S_IXUSR;
    if ((info.st_mode & kOwnerAccess) != kOwnerAccess)
        ::fchmodat(parentFd, name.c_str(), info.st_mode | kOwnerAccess, 0);
    // O_NOFOLLOW: if the entry was swapped for a link since it was examined, it is not entered.
    const int fd = ::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0)
        ClearFolder(fd, deleteAll);
    ::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
}

void RemoveEntry(int dirFd, const std::string& name, bool deleteAll)
{
    if (!deleteAll && EqualsIgnoreAsciiCase(name, "desktop.ini"))
        return;
    struct stat info {};
    if (::fstatat(dirFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISDIR(info.st_mode))
        RemoveSubfolder(dirFd, name, info, deleteAll);
    else
        ::unlinkat(dirFd, name.c_str(), 0);
}

// Takes ownership of `dirFd`. False when the folder cannot be listed.
bool ClearFolder(int dirFd, bool deleteAll)
{
    const DirHandle dir = OpenDirStream(dirFd);
    if (!dir)
        return false;
    for (const std::string& name : ListEntries(dir.get()))
        RemoveEntry(::dirfd(dir.get()), name, deleteAll);
    return true;
}

}  // namespace

bool DeleteFolderContents(const std::string& folder, bool deleteAll)
{
    if (folder.empty())
        return false;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 && ClearFolder(fd, deleteAll);
}

}  // namespace velmoor

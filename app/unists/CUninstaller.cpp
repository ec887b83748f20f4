#include "app/unists/CUninstaller.h"

#include "app/CUninstallKeyStore.h"
#include "app/InstallNames.h"
#include "support/FileUtils.h"
#include "support/FolderContents.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>

namespace velmoor {

namespace {

// The path with every link and "." or ".." resolved; "" when it does not exist.
std::string Resolved(const std::string& path)
{
    if (path.empty())
        return {};
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : std::string();
}

bool SameFolder(const std::string& a, const std::string& b)
{
    const std::string ra = Resolved(a);
    return !ra.empty() && ra == Resolved(b);
}

// One path component that names something inside a folder.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos
        && name.find('\\') == std::string::npos;
}

std::string ParentOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// Removes a file or a symbolic link (never what it points to); folders are left.
bool UnlinkFile(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return false;
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
        return false;
    return ::unlink(path.c_str()) == 0;
}

bool RemoveFolderTree(const std::string& folder)
{
    DeleteFolderContents(folder, true);
    return ::rmdir(folder.c_str()) == 0;
}

}  // namespace

CUninstaller::CUninstaller(std::string installFolder, CInstallLayout layout)
    : m_installFolder(Resolved(installFolder)), m_layout(std::move(layout))
{
}

bool CUninstaller::IsInstallFolder() const
{
    return !m_installFolder.empty() && BaseName(m_installFolder) == kInstallFolderName
        && BaseName(ParentOf(m_installFolder)) == kVendorFolderName;
}

std::string CUninstaller::ListPath() const
{
    return m_installFolder + "/" + kUninstallListFolderName + "/" + kUninstallListName;
}

void CUninstaller::RemoveAll(const CUninstallList& list) const
{
    if (!IsInstallFolder())
        return;
    for (const __UNISTINFO& item : list.Items())
        Remove(item);
    UnlinkFile(m_layout.IconPath());
}

bool CUninstaller::Remove(const __UNISTINFO& item) const
{
    if (!IsInstallFolder())
        return false;
    switch (item.type) {
    case kItemFile: return RemoveFile(item.text);
    case kItemListFolder: return RemoveListFolder(item.text);
    case kItemMenuFolder: return RemoveMenuFolders(item.text);
    case kItemUninstallKey: return RemoveKey(item.text);
    case kItemInstallFolder: return RemoveInstallFolder(item.text);
    default: return false;  // the game code and the user id name nothing on disk
    }
}

bool CUninstaller::IsOwnLink(const std::string& folder, const std::string& name) const
{
    if (name != kProgramLinkName && name != kUninstallLinkName)
        return false;
    return SameFolder(folder, m_layout.MenuLinksFolder(kProductTitle))
        || (name == kProgramLinkName && SameFolder(folder, m_layout.DesktopFolder()));
}

bool CUninstaller::RemoveFile(const std::string& path) const
{
    const std::string name = BaseName(path);
    const std::string folder = ParentOf(path);
    if (path.empty() || path[0] != '/' || !IsPlainName(name))
        return false;
    if (!SameFolder(folder, m_installFolder) && !IsOwnLink(folder, name))
        return false;
    return UnlinkFile(path);
}

bool CUninstaller::RemoveListFolder(const std::string& path) const
{
    const std::string own = m_installFolder + "/" + kUninstallListFolderName;
    if (!SameFolder(path, own))
        return false;
    struct stat info {};
    if (::lstat(own.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    return RemoveFolderTree(own);
}

bool CUninstaller::RemoveMenuFolders(const std::string& name) const
{
    if (!IsPlainName(name) || m_layout.StartMenuFolder().empty())
        return false;
    // Only empty folders go: links of other programs that share them stay, and so do their folders.
    const bool removed = ::rmdir(m_layout.MenuLinksFolder(name).c_str()) == 0;
    ::rmdir(m_layout.MenuFolder(name).c_str());
    ::rmdir(m_layout.MenuProgramsFolder().c_str());
    return removed;
}

bool CUninstaller::RemoveKey(const std::string& name) const
{
    if (!IsPlainName(name))
        return false;
    const CUninstallKeyStore store(m_layout.KeyStorePath());
    const bool removed = store.RemoveKey(std::string(kUninstallKeyPrefix) + name);
    const std::string folder = ParentOf(m_layout.KeyStorePath());
    if (!folder.empty())
        ::rmdir(folder.c_str());
    return removed;
}

bool CUninstaller::RemoveInstallFolder(const std::string& name) const
{
    if (!IsPlainName(name) || name != BaseName(m_installFolder))
        return false;
    const bool removed = RemoveFolderTree(m_installFolder);
    ::rmdir(ParentOf(m_installFolder).c_str());
    return removed;
}

}  // namespace velmoor

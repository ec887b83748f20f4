#include "app/CSelfInstaller.h"

#include "app/CDesktopLink.h"
#include "app/CIniFile.h"
#include "app/CUninstallKeyStore.h"
#include "app/InstallFiles.h"
#include "app/InstallNames.h"
#include "app/SplitInstallerName.h"
#include "net/UsageReport.h"
#include "support/FileContents.h"
#include "support/FileUtils.h"
#include "support/PortalAddress.h"
#include "support/ProcessUtils.h"
#include "support/Resource.h"

#include <glib.h>

#include <utility>

namespace velmoor {

namespace {

constexpr const char* kSection = "tavu";

// The program link's display name for a link file name: the name without ".desktop".
std::string DisplayName(const std::string& linkName)
{
    constexpr std::string_view suffix = ".desktop";
    return linkName.ends_with(suffix) ? linkName.substr(0, linkName.size() - suffix.size()) : linkName;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

CSelfInstaller::CSelfInstaller(std::string programPath, CInstallLayout layout)
    : Launch(StartDetached), Report(SendUsageReport), IsRunning(IsProcessRunning), m_programPath(std::move(programPath)),
      m_layout(std::move(layout))
{
}

CSelfInstaller::CSelfInstaller() : CSelfInstaller(GetProgramPath()) {}

bool CSelfInstaller::IsInstalledCopy(const std::string& programFolder)
{
    if (programFolder.empty())
        return false;
    return CIniFile::GetString(programFolder + kSettingsName, kSection, "inner", "", 100) == "1";
}

bool CSelfInstaller::IsAllDigits(const std::string& text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool CSelfInstaller::Run(const std::string& commandWord)
{
    if (IsInstalledCopy(FolderOf(m_programPath)))
        return true;
    Install(commandWord);
    return false;
}

void CSelfInstaller::Install(const std::string& commandWord)
{
    // Without a data folder there is nowhere to install to; nothing is then built below the root
    // of the file system, but the installation is still reported and the run still ends.
    const std::string& installFolder = m_layout.InstallFolder();
    // A new account may have no data folder yet, which the design's system folder always is.
    if (!m_layout.VendorFolder().empty())
        g_mkdir_with_parents(m_layout.VendorFolder().c_str(), 0755);
    MakeFolder(installFolder);
    const std::string target = installFolder.empty() ? std::string() : installFolder + kInstalledProgramName;
    const std::string uninstaller = installFolder.empty() ? std::string() : installFolder + kUninstallerName;
    const bool firstInstallation = !target.empty() && !PathExists(target);
    CopyFileNoReplace(m_programPath, target);
    InstallIcon();
    CreateShortcutLink(target, kProgramLinkName, true);
    CreateShortcutLink(uninstaller, kUninstallLinkName, false);
    RegisterUninstallEntry(installFolder);
    WriteUninstaller(uninstaller);
    AddUninstallItem(target, kItemFile);
    const std::string installerName = BaseName(m_programPath);
    WriteSettings(installFolder, installerName);
    std::string uid, suid;
    SplitInstallerName(installerName, uid, suid);
    Report(uid, kInstallGameCode, "1");
    StartInstalledCopy(target, installFolder, commandWord);
    if (!installFolder.empty()) {
        AddUninstallItem(installFolder + kSettingsName, kItemFile);
        AddUninstallItem(installFolder + kUninstallListFolderName, kItemListFolder);
    }
    AddUninstallItem(kProductTitle, kItemMenuFolder);
    AddUninstallItem(kInstallGameCode, kItemGameCode);
    AddUninstallItem(uid, kItemUserId);
    AddUninstallItem(kInstallFolderName, kItemInstallFolder);
    WriteUninstallList(installFolder);
    Report(uid, kInstallGameCode, "2");
    if (firstInstallation)
        Report(uid, kInstallGameCode, "3");
}

void CSelfInstaller::InstallIcon()
{
    const std::string& path = m_layout.IconPath();
    const auto icon = FindProgramResource(kIconResourceId, "ICON");
    if (path.empty() || icon.empty())
        return;
    g_mkdir_with_parents(FolderOf(path).c_str(), 0755);
    const std::string_view bytes(reinterpret_cast<const char*>(icon.data()), icon.size());
    WriteFileAtomically(path, bytes);
}

void CSelfInstaller::SaveLink(const std::string& folder, const std::string& linkName,
                              const std::string& target, bool trusted)
{
    if (folder.empty())
        return;
    const std::string path = folder + "/" + linkName;
    CDesktopLink(DisplayName(linkName), target, kIconName).Save(path, trusted);
    AddUninstallItem(path, kItemFile);
}

bool CSelfInstaller::CreateShortcutLink(const std::string& target, const std::string& linkName, bool onDesktop)
{
    if (target.empty())
        return false;
    MakeFolder(m_layout.StartMenuFolder());
    MakeFolder(m_layout.MenuProgramsFolder());
    MakeFolder(m_layout.MenuFolder(kProductTitle));
    MakeFolder(m_layout.MenuLinksFolder(kProductTitle));
    SaveLink(m_layout.MenuLinksFolder(kProductTitle), linkName, target, false);
    if (onDesktop)
        SaveLink(m_layout.DesktopFolder(), linkName, target, true);
    return true;
}

void CSelfInstaller::RegisterUninstallEntry(const std::string& installFolder)
{
    AddUninstallItem(kInstallFolderName, kItemUninstallKey);
    const CUninstallKeyStore store(m_layout.KeyStorePath());
    if (installFolder.empty() || !store.CreateKey())
        return;
    const std::string key = std::string(kUninstallKeyPrefix) + kInstallFolderName;
    const std::pair<const char*, std::string> values[] = {
        {"DisplayName", kProductTitle},
        {"UninstallString", installFolder + kUninstallerName},
        {"DisplayIcon", installFolder + "OrvelVelmoor"},
        {"URLInfoAbout", PortalOrigin(PortalSite::Home)},
        {"Publisher", "Corvanta"},
        {"PRODUCT_Version", "1.1.5.1"},
    };
    for (const auto& [name, data] : values)
        store.SetValue(key, name, data);
}

bool CSelfInstaller::WriteUninstaller(const std::string& path)
{
    return WriteExecutable(path, FindProgramResource(kUninstallerResourceId, kUninstallerResourceType));
}

void CSelfInstaller::AddUninstallItem(const std::string& text, int type)
{
    m_uninstallList.Add(text, type);
}

bool CSelfInstaller::WriteUninstallList(const std::string& installFolder)
{
    if (installFolder.empty())
        return false;
    const std::string folder = installFolder + kUninstallListFolderName;
    MakeFolder(folder);
    return m_uninstallList.Save(folder + "/" + kUninstallListName);
}

void CSelfInstaller::WriteSettings(const std::string& installFolder, const std::string& installerName)
{
    if (installFolder.empty())
        return;
    const std::string path = installFolder + kSettingsName;
    const std::pair<const char*, std::string> keys[] = {
        {"key", ""}, {"uid", ""}, {"start", "0"}, {"gid", "309"}, {"Install", ""}, {"DName", ""},
        {"hotkey", "121"}, {"hotName", "F10"}, {"filename", installerName}, {"inner", "1"},
    };
    for (const auto& [key, value] : keys) {
        // A name the file cannot hold (not UTF-8, a line break) must not leave the previous
        // installation's name behind, which would credit this one to another user.
        if (!CIniFile::WriteString(path, kSection, key, value) && value == installerName)
            CIniFile::WriteString(path, kSection, key, "");
    }
}

void CSelfInstaller::StartInstalledCopy(const std::string& target, const std::string& installFolder,
                                        const std::string& commandWord)
{
    if (commandWord == "/s" || IsRunning(kInstalledProgramName) || !PathExists(target))
        return;
    const std::string parameters = IsAllDigits(commandWord) ? "ns " + commandWord : std::string("ns");
    Launch(target, parameters, installFolder);
}

}  // namespace velmoor

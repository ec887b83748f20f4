#include "app/CInstallLayout.h"

#include "app/InstallNames.h"
#include "support/UserFolders.h"

namespace velmoor {

namespace {

std::string Below(const std::string& folder, const std::string& rest)
{
    return folder.empty() ? std::string() : folder + "/" + rest;
}

}  // namespace

CInstallLayout CInstallLayout::FromEnvironment()
{
    CInstallLayout layout;
    const std::string appData = GetAppDataFolder();
    layout.m_vendorFolder = Below(appData, kVendorFolderName);
    layout.m_installFolder = Below(layout.m_vendorFolder, kInstallFolderName);
    if (!layout.m_installFolder.empty())
        layout.m_installFolder += "/";
    layout.m_startMenuFolder = GetStartMenuFolder();
    layout.m_desktopFolder = GetDesktopFolder();
    layout.m_iconPath = Below(appData, std::string("icons/hicolor/256x256/apps/") + kIconName + ".png");
    layout.m_keyStorePath = Below(Below(GetConfigFolder(), kVendorFolderName), "uninstall.ini");
    return layout;
}

std::string CInstallLayout::MenuProgramsFolder() const
{
    return Below(m_startMenuFolder, kStartMenuProgramsName);
}

std::string CInstallLayout::MenuFolder(const std::string& name) const
{
    return Below(MenuProgramsFolder(), name);
}

std::string CInstallLayout::MenuLinksFolder(const std::string& name) const
{
    return Below(MenuFolder(name), name);
}

}  // namespace velmoor

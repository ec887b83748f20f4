#pragma once
#include <string>

namespace velmoor {

// Where the installation puts things, from the user's XDG folders. Every folder is "" when the
// folder it lies in cannot be determined, so that nothing is ever built below the root.
class CInstallLayout {
public:
    // The current user's layout, read from the environment.
    static CInstallLayout FromEnvironment();

    // $XDG_DATA_HOME/gamenest/vuvedaredod/ (with the trailing "/").
    const std::string& InstallFolder() const { return m_installFolder; }
    // $XDG_DATA_HOME/gamenest
    const std::string& VendorFolder() const { return m_vendorFolder; }
    // $XDG_DATA_HOME/applications: the start menu.
    const std::string& StartMenuFolder() const { return m_startMenuFolder; }
    // The desktop folder.
    const std::string& DesktopFolder() const { return m_desktopFolder; }
    // $XDG_DATA_HOME/icons/hicolor/256x256/apps/velmoor.png
    const std::string& IconPath() const { return m_iconPath; }
    // The file standing in for the per-user registry: $XDG_CONFIG_HOME/gamenest/uninstall.ini
    const std::string& KeyStorePath() const { return m_keyStorePath; }

    // start menu/程序/<name> and start menu/程序/<name>/<name>: the two menu folders; "" when
    // the start menu is unknown.
    std::string MenuFolder(const std::string& name) const;
    std::string MenuLinksFolder(const std::string& name) const;
    // start menu/程序
    std::string MenuProgramsFolder() const;

private:
    std::string m_installFolder;
    std::string m_vendorFolder;
    std::string m_startMenuFolder;
    std::string m_desktopFolder;
    std::string m_iconPath;
    std::string m_keyStorePath;
};

}  // namespace velmoor

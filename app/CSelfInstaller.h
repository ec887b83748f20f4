#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/CInstallLayout.h"
#include "app/CUninstallList.h"

namespace velmoor {

// The installation check and the self-installation: a program file started from anywhere but
// its install folder copies itself there, links itself into the start menu and onto the desktop,
// registers an uninstall entry, writes out the uninstaller and the list of what it created,
// reports the installation and starts the installed copy. Every step's failure is passed over.
class CSelfInstaller {
public:
    // Starts `file` with `parameters` in `folder`; false when it cannot be started.
    using Launcher = std::function<bool(const std::string& file, const std::string& parameters,
                                        const std::string& folder)>;
    // Sends one usage report.
    using Reporter = std::function<void(const std::string& uid, const std::string& gameCode,
                                        const std::string& eventCode)>;

    // `programPath` is the running program file (the installer); `layout` where it installs to.
    explicit CSelfInstaller(std::string programPath, CInstallLayout layout = CInstallLayout::FromEnvironment());
    // The running program in the current user's layout.
    CSelfInstaller();

    // The installation check, then the installation: true when this run goes on as a normal run
    // (the program is the installed copy), false when an installation was done and the process
    // is to end.
    bool Run(const std::string& commandWord);
    // "inner" of the "static.ini" in `programFolder` is "1".
    static bool IsInstalledCopy(const std::string& programFolder);
    // Every character is a decimal digit; "" counts as all digits.
    static bool IsAllDigits(const std::string& text);

    // The installation's steps.
    bool CreateShortcutLink(const std::string& target, const std::string& linkName, bool onDesktop);
    void RegisterUninstallEntry(const std::string& installFolder);
    bool WriteUninstaller(const std::string& path);
    void AddUninstallItem(const std::string& text, int type);
    bool WriteUninstallList(const std::string& installFolder);

    const std::vector<__UNISTINFO>& UninstallItems() const { return m_uninstallList.Items(); }

    Launcher Launch;
    Reporter Report;
    // Whether a program file of this name is running.
    std::function<bool(const std::string& fileName)> IsRunning;

private:
    void Install(const std::string& commandWord);
    void InstallIcon();
    void WriteSettings(const std::string& installFolder, const std::string& installerName);
    void StartInstalledCopy(const std::string& target, const std::string& installFolder,
                            const std::string& commandWord);
    void SaveLink(const std::string& folder, const std::string& linkName, const std::string& target,
                  bool trusted);

    std::string m_programPath;
    CInstallLayout m_layout;
    CUninstallList m_uninstallList;
};

}  // namespace velmoor

#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "app/CIniFile.h"
#include "platform/headless/CHeadlessPlatform.h"
#include "ui/launcher/CMainWnd.h"

namespace velmoor::test {

// A launcher on the headless backend, with its settings file in a fresh folder of its own.
// Reports go to a closed loopback port, so nothing leaves the machine and nothing waits.
class LauncherFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = &CHeadlessPlatform::InstallNew();
        folder = std::filesystem::temp_directory_path() /
                 ("velmoor-launcher-" + std::to_string(::getpid()) + "-" + std::to_string(++s_counter));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        setenv("VELMOOR_PORTAL", "http://127.0.0.1:9", 1);
        setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    }

    void TearDown() override
    {
        if (launcher != nullptr && g_pMainWnd == launcher && launcher->IsWindow())
            delete launcher;  // still open: the test ends it
        launcher = nullptr;
        std::filesystem::remove_all(folder);
        unsetenv("VELMOOR_PORTAL");
    }

    std::string ModuleFolder() const { return folder.string() + "/"; }
    std::string SettingsPath() const { return ModuleFolder() + "static.ini"; }

    void WriteSettings(const std::string& text)
    {
        std::ofstream(SettingsPath()) << text;
    }

    std::string Setting(const std::string& key) const
    {
        return CIniFile::GetString(SettingsPath(), "tavu", key, "<absent>", 260);
    }

    CMainWnd& Open(int startMode = CMainWnd::kStartNormal)
    {
        launcher = new CMainWnd(startMode, ModuleFolder());  // deletes itself when closed
        if (startMode != CMainWnd::kStartHidden)
            launcher->ShowWindow(SW_SHOW);
        platform->PumpMessages();  // the message loop's first round: the access dialog
        return *launcher;
    }

    // True once the launcher's window is gone (it deleted itself).
    bool Closed() const { return g_pMainWnd != launcher || launcher == nullptr; }

    CHeadlessWindow& Native() { return *CHeadlessPlatform::NativeOf(*launcher); }

    CHeadlessPlatform* platform = nullptr;
    CMainWnd* launcher = nullptr;
    std::filesystem::path folder;

private:
    static inline int s_counter = 0;
};

}  // namespace velmoor::test

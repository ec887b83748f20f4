#include "support/UserFolders.h"

#include "support/FileUtils.h"
#include "support/TextUtils.h"

#include <glib.h>

#include <cstdlib>
#include <fstream>

namespace velmoor {

namespace {

std::string AbsoluteEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return {};
    return value;
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string HomeFolder()
{
    return WithoutTrailingSlashes(AbsoluteEnv("HOME"));
}

// $<variable>, or $HOME/<fallback> when the variable is not usable.
std::string XdgFolder(const char* variable, const char* fallback)
{
    const std::string fromEnv = AbsoluteEnv(variable);
    if (!fromEnv.empty())
        return WithoutTrailingSlashes(fromEnv);
    const std::string home = HomeFolder();
    if (home.empty())
        return {};
    return home + "/" + fallback;
}

// The path of one user-dirs.dirs line `XDG_DESKTOP_DIR="..."`, or "" when the line is not that
// assignment or its value is neither "$HOME..." nor absolute.
std::string DesktopFromLine(std::string_view line, const std::string& home)
{
    line = TrimWhiteSpace(line);
    constexpr std::string_view prefix = "XDG_DESKTOP_DIR=\"";
    if (line.substr(0, prefix.size()) != prefix)
        return {};
    line.remove_prefix(prefix.size());
    std::string value;
    bool closed = false;
    for (std::size_t i = 0; i < line.size() && !closed; ++i) {
        if (line[i] == '\\' && i + 1 < line.size())
            value += line[++i];
        else if (line[i] == '"')
            closed = true;
        else
            value += line[i];
    }
    if (!closed)
        return {};
    constexpr std::string_view homeVariable = "$HOME";
    if (value.compare(0, homeVariable.size(), homeVariable) == 0) {
        const std::string rest = value.substr(homeVariable.size());
        if (!rest.empty() && rest[0] != '/')
            return {};
        return WithoutTrailingSlashes(home + rest);
    }
    if (value.empty() || value[0] != '/')
        return {};
    return WithoutTrailingSlashes(value);
}

}  // namespace

std::string GetAppDataFolder()
{
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string GetConfigFolder()
{
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string GetDesktopFolder()
{
    const std::string home = HomeFolder();
    if (home.empty())
        return {};
    std::string desktop = home + "/Desktop";
    std::ifstream dirs(GetConfigFolder() + "/user-dirs.dirs");
    std::string line;
    // The file is a shell fragment: a later assignment overrides an earlier one.
    while (std::getline(dirs, line)) {
        std::string fromLine = DesktopFromLine(line, home);
        if (!fromLine.empty())
            desktop = std::move(fromLine);
    }
    return desktop;
}

std::string GetStartMenuFolder()
{
    const std::string appData = GetAppDataFolder();
    return appData.empty() ? std::string() : appData + "/applications";
}

std::string GetUserDataFolder()
{
    const std::string appData = GetAppDataFolder();
    if (appData.empty())
        return {};
    const std::string folder = appData + "/Rovevar/";
    if (!PathExists(folder))
        g_mkdir_with_parents(folder.c_str(), 0700);
    return folder;
}

}  // namespace velmoor

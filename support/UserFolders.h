#pragma once
#include <string>

namespace velmoor {

// The per-user folders the program installs into and keeps its data in, after the XDG base
// directory rules. Each returns an absolute path without a trailing "/", or "" when it cannot be
// determined (HOME unset or not absolute). An XDG variable that is unset, empty or not an
// absolute path is ignored, as the XDG rules ask.

// $XDG_DATA_HOME, default $HOME/.local/share: where per-user application data lives (the
// roaming application-data folder of the program's design).
std::string GetAppDataFolder();

// $XDG_CONFIG_HOME, default $HOME/.config.
std::string GetConfigFolder();

// XDG_DESKTOP_DIR from the config folder's "user-dirs.dirs" ("$HOME/..." or an absolute path),
// default $HOME/Desktop.
std::string GetDesktopFolder();

// The app-data folder + "/applications": where the menu links go.
std::string GetStartMenuFolder();

// The per-user data folder: the app-data folder + "/Rovevar/" (ending in "/"), created with its
// parents when missing. "" when the app-data folder cannot be determined, so that callers fail
// instead of writing below "/Rovevar/" at the root of the file system.
std::string GetUserDataFolder();

}  // namespace velmoor

#pragma once

namespace velmoor {

// Names of the per-user installation, shared by the installer and the uninstaller.
inline constexpr const char* kProductTitle = "Velmoor";
inline constexpr const char* kInstallGameCode = "tavu";
inline constexpr const char* kVendorFolderName = "gamenest";
inline constexpr const char* kInstallFolderName = "vuvedaredod";
inline constexpr const char* kInstalledProgramName = "vuvedaredod";
inline constexpr const char* kUninstallerName = "unists";
inline constexpr const char* kUninstallListFolderName = "unist";
inline constexpr const char* kUninstallListName = "Unist.xml";
inline constexpr const char* kSettingsName = "static.ini";
inline constexpr const char* kProgramLinkName = "Velmoor.desktop";
inline constexpr const char* kUninstallLinkName = "卸载Velmoor.desktop";
inline constexpr const char* kStartMenuProgramsName = "程序";
inline constexpr const char* kIconName = "velmoor";
// The registry path the uninstall entry lives under; the key store keeps it as a section name.
inline constexpr const char* kUninstallKeyPrefix = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
inline constexpr int kUninstallerResourceId = 136;
inline constexpr const char* kUninstallerResourceType = "UNISTS";
inline constexpr int kIconResourceId = 5;

// Types of the uninstall list's items.
enum UninstallItemType : int {
    kItemFile = 3,
    kItemListFolder = 4,
    kItemMenuFolder = 5,
    kItemGameCode = 7,
    kItemUserId = 8,
    kItemUninstallKey = 9,
    kItemInstallFolder = 10,
};

}  // namespace velmoor

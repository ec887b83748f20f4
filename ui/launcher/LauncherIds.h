#pragma once
#include "platform/WinTypes.h"

namespace velmoor {

constexpr int HOTKEY_ID_BOSS = 1224;
constexpr UINT IDT_DATE_STAMP = 1103;
constexpr UINT IDT_START_REPORT = 1105;
constexpr UINT kStartReportDelayMs = 10000;
constexpr UINT kDateStampDelayMs = 300000;
constexpr UINT kDateStampRetryMs = 120000;

// Tray menu commands.
constexpr UINT ID_TRAY_TOGGLE = 40005;
constexpr UINT ID_TRAY_CLEAR_CACHE = 40006;
constexpr UINT ID_TRAY_EXIT = 40007;
constexpr UINT ID_TRAY_SETTINGS = 40010;

// Resources.
constexpr int IDI_MAIN = 5;
constexpr UINT IDD_ACCESS = 117;
constexpr int IDB_LAUNCHER_BACKGROUND = 109;
constexpr int IDB_LAUNCHER_CLOSE = 104;
constexpr int IDB_LAUNCHER_MINIMISE = 112;
constexpr int IDB_LAUNCHER_OFFICIAL = 124;
constexpr int IDB_LAUNCHER_PAYMENT = 122;
constexpr int IDB_LAUNCHER_SERVICE = 123;
constexpr int IDB_LAUNCHER_FORUM = 121;

constexpr const char* kGameCode = "tavu";
constexpr const char* kLauncherTitle = "OrvelVelmoor";
constexpr const char* kExitPrompt = "确定要退出吗？";
constexpr const char* kExitCaption = "退出提示";

}  // namespace velmoor

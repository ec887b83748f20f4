#pragma once
#include <array>
#include <memory>
#include <mutex>
#include <string>

#include <cairo.h>

#include "platform/CWnd.h"
#include "support/CSkinImage.h"
#include "support/FileUtils.h"
#include "ui/launcher/IHttpDownload.h"

namespace velmoor {

class CVavedGame;
class CWebDlg;

// The launcher: the borderless 1200 × 815 skin with per-pixel alpha, the access page over its
// web area, the link buttons, and the hub of the run: it owns the access dialog, the game
// window and the boss key, and other windows reach its members through g_pMainWnd. The object
// deletes itself when its window is destroyed.
class CMainWnd : public CWnd, public IHttpDownload {
public:
    // Buttons in hit-testing order; the spare never matches.
    enum Button { Close, Minimise, Official, Payment, Service, Forum, Spare, ButtonCount };
    static constexpr int kStartHidden = 1;
    static constexpr int kStartNormal = -1;

    // Creates the window; `startMode` is kStartHidden for "-hh", else kStartNormal.
    // `moduleFolder` is where the settings file lives: the running program's folder.
    explicit CMainWnd(int startMode, std::string moduleFolder = GetProgramFolder());
    ~CMainWnd() override;

    void RedrawSkin();
    void ToggleVisibility();
    void PlaceAccessDialog();
    std::string GetIniString(const std::string& key, const std::string& def) const;
    void SetIniInt(const std::string& key, int value) const;
    void LoadSettings();
    void SaveSettings();
    bool RecordRegistration();
    // The access dialog's seam: created on a normal start and on the first showing of a hidden one.
    void CreateAccessDialog();
    // A normal start's access dialog, created from the message loop once the skin is up.
    void CreateAccessDialogSoon();

    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string OnDownloadComplete(const stDownloadTask& task, bool cancelled, int reserved) override;

    // Shared state (read and written by the other windows on the user-interface thread).
    int SkinWidth = 0;
    int SkinHeight = 0;
    std::array<RECT, ButtonCount> ButtonRects{};
    std::array<int, ButtonCount> HoverFlags{};
    std::unique_ptr<CWebDlg> AccessDialog;
    std::unique_ptr<CVavedGame> GameWindow;
    std::string PayUrl;
    int PageLoadPending = 1;
    std::string VipUserText;
    std::string Uid;
    std::string Suid;
    std::string GameUrl;
    std::string ServerName;
    RECT WebArea{471, 227, 1017, 611};
    DWORD HotKey = 0xFFFFFFFF;
    std::string HotKeyName = "无";
    int MaximisedGame = 1;
    int ExitRequested = 0;
    int CloseType = 0;
    int AutoStart = 0;
    std::string ModuleFolder;
    int AccessDialogCreated = 1;
    int RegistrationRecorded = 0;
    std::mutex DownloadLock;
    std::string SettingsPath;

    // What the skin was last pushed as (tests and the benchmark look at it).
    cairo_surface_t* SkinSurface() const { return m_surface; }
    int RedrawCount() const { return m_redraws; }

protected:
    int OnCreate() override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnTimer(UINT id) override;
    void OnClose() override;
    void OnMove(int x, int y) override;
    void OnShowWindow(BOOL show, UINT status) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnHotKey(UINT id, UINT modifiers, UINT vk) override;
    void PostNcDestroy() override;

private:
    // Where the tray, the plug-in unpacking and the settings dialog plug in.
    void AddTrayIcon() {}
    void DeleteTrayIcon() {}
    void UnpackPlugin() {}
    void RunSettingsDialog() {}
    void OnStartReportTimer();
    void OnDateStampTimer();
    void StartTrayCacheClearing();

    void LoadSkin();
    void ReleaseSkin();
    void SetHoverOnly(Button button);
    void ClearHover();
    void OnButtonClicked(Button button);
    void RegisterBossKey();
    void OnGameOpen();
    void OnGameExit();
    void OnVipUserInfo();
    void ShowAndActivate(CWnd& wnd);
    void ShowCursor(Cursor cursor);

    std::array<CSkinImage, ButtonCount> m_buttonImages;
    CSkinImage m_background;
    cairo_surface_t* m_surface = nullptr;
    int m_redraws = 0;
    Cursor m_cursor = Cursor::Arrow;
    std::string m_programFolder;
    bool m_destroying = false;
};

extern CMainWnd* g_pMainWnd;

// The exit prompt "确定要退出吗？" / "退出提示"; OK sends WM_CLOSE to `mainWnd`.
void ConfirmExit(CWnd* mainWnd);

// The addresses of the four link buttons.
std::string LauncherLinkAddress(CMainWnd::Button button);

// RegisterHotKey's modifiers from the hot-key entry field's flags (high word of a boss key).
UINT HotKeyModifiers(DWORD hotKey);

}  // namespace velmoor

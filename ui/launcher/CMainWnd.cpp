#include "ui/launcher/CMainWnd.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <thread>

#include "app/CIniFile.h"
#include "app/RecordRegistration.h"
#include "app/SplitInstallerName.h"
#include "net/UsageReport.h"
#include "platform/MessageBox.h"
#include "support/BrowserCache.h"
#include "support/DecimalText.h"
#include "support/FileUtils.h"
#include "support/NetworkState.h"
#include "support/PortalAddress.h"
#include "support/ProcessUtils.h"
#include "support/Resource.h"
#include "support/SkinDraw.h"
#include "ui/game/CVavedGame.h"
#include "ui/launcher/CWebDlg.h"
#include "ui/launcher/LauncherIds.h"

namespace velmoor {

CMainWnd* g_pMainWnd = nullptr;

namespace {

constexpr const char* kSection = "tavu";
constexpr int kIniBufferChars = 260;

// Button rectangles of the skin, in hit-testing order.
constexpr RECT kButtonRects[CMainWnd::ButtonCount] = {
    {983, 102, 1023, 142},  // close
    {952, 108, 985, 143},   // minimise
    {361, 147, 493, 185},   // official site
    {524, 147, 656, 185},   // payment
    {850, 147, 982, 185},   // customer service
    {687, 147, 819, 185},   // forum
    {-1, -1, -2, -2},       // spare: never matches
};

constexpr int kButtonImageIds[CMainWnd::ButtonCount] = {
    IDB_LAUNCHER_CLOSE, IDB_LAUNCHER_MINIMISE, IDB_LAUNCHER_OFFICIAL, IDB_LAUNCHER_PAYMENT,
    IDB_LAUNCHER_SERVICE, IDB_LAUNCHER_FORUM, 0,
};

// Drawing order of the buttons over the background.
constexpr CMainWnd::Button kDrawOrder[] = {
    CMainWnd::Minimise, CMainWnd::Close, CMainWnd::Official, CMainWnd::Payment, CMainWnd::Service, CMainWnd::Forum,
};

}  // namespace

UINT HotKeyModifiers(DWORD hotKey)
{
    const DWORD flags = hotKey >> 16;
    UINT modifiers = 0;
    if (flags & HOTKEYF_SHIFT)
        modifiers |= MOD_SHIFT;
    if (flags & HOTKEYF_CONTROL)
        modifiers |= MOD_CONTROL;
    if (flags & HOTKEYF_ALT)
        modifiers |= MOD_ALT;
    return modifiers;
}

std::string LauncherLinkAddress(CMainWnd::Button button)
{
    switch (button) {
    case CMainWnd::Official: return PortalOrigin(PortalSite::Official);
    case CMainWnd::Payment: return PortalAddress(PortalSite::Pay, "/?g=tavu");
    case CMainWnd::Service: return PortalAddress(PortalSite::Service, "/kefu/");
    case CMainWnd::Forum: return PortalAddress(PortalSite::Forum, "/forum.php?mod=forumdisplay&fid=185");
    default: return {};
    }
}

void ConfirmExit(CWnd* mainWnd)
{
    // The window may be gone when the box returns (the session ended meanwhile): go by handle.
    const HWND hwnd = mainWnd ? mainWnd->GetSafeHwnd() : kNoWindow;
    if (MessageBox(kExitPrompt, kExitCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    if (CWnd* wnd = CWnd::FromHandle(hwnd))
        wnd->SendMessage(WM_CLOSE);
}

CMainWnd::CMainWnd(int startMode, std::string moduleFolder) : m_programFolder(std::move(moduleFolder))
{
    AccessDialogCreated = startMode == kStartHidden ? 0 : 1;
    CreateEx(0, "GameWeb", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
             {0, 0, 0, 0}, kNoWindow, 0);
}

CMainWnd::~CMainWnd()
{
    m_destroying = true;
    AccessDialog.reset();
    GameWindow.reset();
    if (IsWindow())
        DestroyWindow();
    if (m_surface)
        cairo_surface_destroy(m_surface);
    if (g_pMainWnd == this)
        g_pMainWnd = nullptr;
}

void CMainWnd::PostNcDestroy()
{
    // The launcher owns itself: its window's end is its end (unless it is being deleted already).
    if (!m_destroying)
        delete this;
}

int CMainWnd::OnCreate()
{
    ModuleFolder = m_programFolder;
    SetIconPng(FindProgramResource(IDI_MAIN, "ICON"));
    LoadSkin();
    for (int b = 0; b < ButtonCount; ++b)
        ButtonRects[b] = kButtonRects[b];
    WebArea = {471, 227, 1017, 611};
    const SIZE screen = Platform().ScreenSize();
    MoveWindow((screen.cx - SkinWidth) / 2, (screen.cy - SkinHeight) / 2, SkinWidth, SkinHeight, FALSE);
    g_pMainWnd = this;
    SetWindowText(kLauncherTitle);
    RedrawSkin();
    EnableDebugPrivilege();
    // Without the program's folder there is no settings file to use; every access is skipped.
    SettingsPath = ModuleFolder.empty() ? std::string() : ModuleFolder + "static.ini";
    LoadSettings();
    UnpackPlugin();
    AddTrayIcon();
    RegisterBossKey();
    if (AccessDialogCreated)
        CreateAccessDialogSoon();
    SetTimer(IDT_START_REPORT, kStartReportDelayMs);
    SetTimer(IDT_DATE_STAMP, kDateStampDelayMs);
    return 0;
}

void CMainWnd::LoadSkin()
{
    LoadPngImage(IDB_LAUNCHER_BACKGROUND, m_background);
    for (int b = 0; b < ButtonCount; ++b) {
        if (kButtonImageIds[b] != 0)
            LoadPngImage(kButtonImageIds[b], m_buttonImages[b]);
    }
    SkinWidth = m_background.Width();
    SkinHeight = m_background.Height();
}

void CMainWnd::ReleaseSkin()
{
    m_background.Reset();
    for (CSkinImage& image : m_buttonImages)
        image.Reset();
}

void CMainWnd::RedrawSkin()
{
    if (SkinWidth <= 0 || SkinHeight <= 0)
        return;
    // One surface serves every redraw: composing into it is the whole cost of a hover change.
    if (m_surface == nullptr)
        m_surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SkinWidth, SkinHeight);
    cairo_t* cr = cairo_create(m_surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    DrawImage(cr, m_background, {0, 0, SkinWidth, SkinHeight});
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    for (Button b : kDrawOrder)
        DrawStackedFrame(cr, m_buttonImages[b], ButtonRects[b], HoverFlags[b]);
    cairo_destroy(cr);
    cairo_surface_flush(m_surface);
    if ((GetExStyle() & WS_EX_LAYERED) == 0)
        ModifyStyleEx(0, WS_EX_LAYERED);
    UpdateLayeredWindow(m_surface);
    ++m_redraws;
}

void CMainWnd::SetHoverOnly(Button button)
{
    for (int b = 0; b < ButtonCount; ++b)
        HoverFlags[b] = b == button ? 1 : 0;
}

void CMainWnd::ClearHover()
{
    HoverFlags.fill(0);
}

void CMainWnd::OnMouseMove(UINT, POINT point)
{
    for (int b = 0; b < ButtonCount; ++b) {
        if (!PtInRect(ButtonRects[b], point))
            continue;
        if (HoverFlags[b] == 0) {
            SetHoverOnly(static_cast<Button>(b));
            RedrawSkin();
        }
        ShowCursor(b == Close || b == Minimise ? Cursor::Hand : Cursor::Arrow);
        return;
    }
    // Outside the buttons every move recomposes the skin, whether or not a flag was set.
    ClearHover();
    RedrawSkin();
    ShowCursor(Cursor::Arrow);
}

void CMainWnd::ShowCursor(Cursor cursor)
{
    // The round buttons show the hand; everywhere else the window's arrow.
    if (cursor == m_cursor)
        return;
    m_cursor = cursor;
    SetCursor(cursor);
}

void CMainWnd::OnLButtonDown(UINT, POINT point)
{
    for (const RECT& r : ButtonRects) {
        if (PtInRect(r, point))
            return;
    }
    ReleaseCapture();
    SendMessage(WM_SYSCOMMAND, SC_DRAGMOVE, 0);
}

void CMainWnd::OnLButtonUp(UINT, POINT point)
{
    for (int b = Close; b <= Forum; ++b) {
        if (!PtInRect(ButtonRects[b], point))
            continue;
        if (HoverFlags[b] == 1) {
            HoverFlags[b] = 0;
            RedrawSkin();
            OnButtonClicked(static_cast<Button>(b));  // may end the launcher
        }
        return;
    }
}

void CMainWnd::OnButtonClicked(Button button)
{
    switch (button) {
    case Close: ConfirmExit(this); break;
    case Minimise: SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case Official:
    case Payment:
    case Service:
    case Forum: Platform().OpenUrl(LauncherLinkAddress(button)); break;
    default: break;
    }
}

void CMainWnd::OnClose()
{
    if (CloseType == 1 && ExitRequested == 0) {
        ShowWindow(SW_HIDE);
        return;
    }
    ReleaseSkin();
    if (AccessDialog) {
        AccessDialog->ShutDown();
        AccessDialog.reset();
    }
    DeleteTrayIcon();
    SaveSettings();
    ShowWindow(SW_HIDE);
    DestroyWindow();  // deletes this
}

void CMainWnd::OnMove(int, int)
{
    if (AccessDialog && AccessDialog->IsWindow())
        PlaceAccessDialog();
}

void CMainWnd::CreateAccessDialog()
{
    AccessDialog = std::make_unique<CWebDlg>(this);
    if (!AccessDialog->Create(GetSafeHwnd())) {
        AccessDialog.reset();
        return;
    }
    AccessDialog->SetFocus();
    if (AccessDialogCreated == 0)
        PlaceAccessDialog();
    AccessDialog->ShowWindow(SW_HIDE);
}

void CMainWnd::CreateAccessDialogSoon()
{
    // The web engine takes a good part of the start; the skin is mapped first and the page,
    // which stays hidden until it has loaded anyway, follows from the message loop.
    const HWND self = GetSafeHwnd();
    Platform().PostTask([self] {
        auto* launcher = dynamic_cast<CMainWnd*>(CWnd::FromHandle(self));
        if (launcher == nullptr || launcher->AccessDialog)
            return;
        launcher->CreateAccessDialog();
        launcher->PlaceAccessDialog();
    });
}

void CMainWnd::PlaceAccessDialog()
{
    if (!AccessDialog || !AccessDialog->IsWindow())
        return;
    RECT r;
    GetWindowRect(r);
    AccessDialog->MoveWindow(r.left + WebArea.left, r.top + WebArea.top, WebArea.Width(), WebArea.Height(), TRUE);
}

void CMainWnd::OnShowWindow(BOOL show, UINT)
{
    if (AccessDialogCreated == 0) {
        CreateAccessDialog();
        AccessDialogCreated = 1;
    }
    if (!AccessDialog)
        return;
    AccessDialog->ShowWindow(show && PageLoadPending == 0 ? SW_SHOW : SW_HIDE);
    if (show)
        PlaceAccessDialog();  // the launcher may have moved while the page was hidden
}

BOOL CMainWnd::OnCommand(WPARAM wParam, LPARAM)
{
    switch (wParam & 0xFFFF) {
    case ID_TRAY_TOGGLE: ToggleVisibility(); return TRUE;
    case ID_TRAY_CLEAR_CACHE: StartTrayCacheClearing(); return TRUE;
    case ID_TRAY_SETTINGS: RunSettingsDialog(); return TRUE;
    case ID_TRAY_EXIT:
        ExitRequested = 1;
        SendMessage(WM_CLOSE);
        return TRUE;
    default: return FALSE;
    }
}

void CMainWnd::OnHotKey(UINT id, UINT, UINT)
{
    if (static_cast<int>(id) == HOTKEY_ID_BOSS)
        ToggleVisibility();
}

void CMainWnd::ShowAndActivate(CWnd& wnd)
{
    wnd.ShowWindow(SW_SHOW);
    wnd.SetForegroundWindow();
}

void CMainWnd::ToggleVisibility()
{
    CWnd& target = GameWindow && GameWindow->IsWindow() ? static_cast<CWnd&>(*GameWindow) : *this;
    if (target.IsWindowVisible())
        target.ShowWindow(SW_HIDE);
    else
        ShowAndActivate(target);
}

BOOL CMainWnd::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        return TRUE;
    if (msg->message == WM_SYSKEYDOWN && msg->wParam == VK_F4) {
        ConfirmExit(this);  // may end the launcher
        return TRUE;
    }
    return CWnd::PreTranslateMessage(msg);
}

LRESULT CMainWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GAME_EXIT: OnGameExit(); return 0;
    case WM_GAME_OPEN: OnGameOpen(); return 0;
    case WM_VIP_USERINFO: OnVipUserInfo(); return 0;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CMainWnd::OnGameOpen()
{
    if (!GameWindow) {
        auto game = std::make_unique<CVavedGame>();
        if (game->Create(GameUrl, ServerName)) {
            GameWindow = std::move(game);
            if (MaximisedGame)
                GameWindow->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            GameWindow->ShowWindow(SW_SHOW);
        }
    }
    ShowWindow(SW_HIDE);
}

void CMainWnd::OnGameExit()
{
    if (GameWindow) {
        GameWindow->SendMessage(WM_CLOSE);
        GameWindow.reset();
    }
    if (AccessDialog && AccessDialog->IsWindow())
        AccessDialog->Refresh();
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
}

void CMainWnd::OnVipUserInfo()
{
    if (!VipUserText.empty() && GameWindow)
        GameWindow->SetVipInfo(std::string(VipUserText));
}

void CMainWnd::OnTimer(UINT id)
{
    if (id == IDT_START_REPORT)
        OnStartReportTimer();
    else if (id == IDT_DATE_STAMP)
        OnDateStampTimer();
}

void CMainWnd::OnStartReportTimer()
{
    KillTimer(IDT_START_REPORT);
    if (!Uid.empty())
        SendUsageReport(Uid, kGameCode, "4");
}

void CMainWnd::OnDateStampTimer()
{
    KillTimer(IDT_DATE_STAMP);
    if (!IsNetworkAlive())
        SetTimer(IDT_DATE_STAMP, kDateStampRetryMs);
    if (SettingsPath.empty() || CIniFile::GetInt(SettingsPath, kSection, "nYear", 0) != 0)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SetIniInt("nYear", local.tm_year + 1900);
    SetIniInt("nMouth", local.tm_mon + 1);
    SetIniInt("nDay", local.tm_mday);
}

void CMainWnd::StartTrayCacheClearing()
{
    // The worker touches no member of the launcher: it clears and reports, nothing else.
    std::thread([] {
        ClearBrowserCache();
        MessageBox("清除缓存成功", "清除提示", MB_OK);
    }).detach();
}

std::string CMainWnd::GetIniString(const std::string& key, const std::string& def) const
{
    if (SettingsPath.empty())
        return {};
    return CIniFile::GetString(SettingsPath, kSection, key, def, kIniBufferChars);
}

void CMainWnd::SetIniInt(const std::string& key, int value) const
{
    if (SettingsPath.empty())
        return;
    CIniFile::WriteString(SettingsPath, kSection, key, std::to_string(value));
}

void CMainWnd::LoadSettings()
{
    const bool havePath = !SettingsPath.empty();
    const std::string hotKeyText = GetIniString("hotkey", "121");
    HotKeyName = GetIniString("hotName", "F10");
    CloseType = havePath ? CIniFile::GetInt(SettingsPath, kSection, "CloseType", 0) : -1;
    AutoStart = havePath ? CIniFile::GetInt(SettingsPath, kSection, "AutoStart", 0) : -1;
    HotKey = hotKeyText.empty() ? 0xFFFFFFFF : static_cast<DWORD>(ParseLeadingInt(hotKeyText));
    const int start = havePath ? CIniFile::GetInt(SettingsPath, kSection, "start", -1) : -1;
    if (start == 1) {
        Uid = GetIniString("uid", "");
        Suid = GetIniString("filename", "");
        return;
    }
    std::string name = GetIniString("filename", "");
    if (!name.empty()) {
        std::string suid;
        SplitInstallerName(name, Uid, suid);
        name = suid;
    }
    Suid = name;
    SetIniInt("start", 1);
    if (havePath) {
        CIniFile::WriteString(SettingsPath, kSection, "filename", name);
        CIniFile::WriteString(SettingsPath, kSection, "uid", Uid);
    }
}

void CMainWnd::SaveSettings()
{
    SetIniInt("CloseType", CloseType);
    SetIniInt("AutoStart", AutoStart);
    if (!SettingsPath.empty()) {
        CIniFile::WriteString(SettingsPath, kSection, "hotkey", std::to_string(static_cast<std::int32_t>(HotKey)));
        CIniFile::WriteString(SettingsPath, kSection, "hotName", HotKeyName);
    }
    Platform().UnregisterHotKey(GetSafeHwnd(), HOTKEY_ID_BOSS);
}

void CMainWnd::RegisterBossKey()
{
    if (HotKey == 0xFFFFFFFF)
        return;
    Platform().RegisterHotKey(GetSafeHwnd(), HOTKEY_ID_BOSS, HotKeyModifiers(HotKey), HotKey & 0xFFFF);
}

bool CMainWnd::RecordRegistration()
{
    return velmoor::RecordRegistration();
}

std::string CMainWnd::OnDownloadComplete(const stDownloadTask& task, bool cancelled, int)
{
    std::lock_guard<std::mutex> lock(DownloadLock);
    if (task.state != 1 || cancelled || task.body.empty() || task.folder.empty() || task.fileName.empty())
        return {};
    std::string path = task.folder;
    if (path.back() != '/')
        path += '/';
    path += task.fileName;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(task.body.data(), static_cast<std::streamsize>(task.body.size()));
    return {};
}

}  // namespace velmoor

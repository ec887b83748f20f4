#include "ui/launcher/CWebDlg.h"

#include <memory>

#include "support/PercentEncode.h"
#include "support/PortalAddress.h"
#include "ui/launcher/CMainWnd.h"
#include "ui/launcher/LauncherIds.h"
#include "web/CJSDispatch.h"
#include "web/CWebCtrlInterFace.h"

namespace velmoor {

namespace {

bool IsWebAddress(const std::string& url)
{
    return url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0;
}

}  // namespace

std::string AccessPageAddress(const std::string& uid, const std::string& suid)
{
    // The ids come from a downloaded file's name: escaped, they cannot add to the query.
    return PortalAddress(PortalSite::Web,
                         "/game/s/wdAccess/?name=tavu&uid=" + PercentEncode(uid, IsNotUnreserved) + "&suid=" + PercentEncode(suid, IsNotUnreserved));
}

bool IsGameLink(const std::string& url)
{
    return url.find("client=1") != std::string::npos && url != "javascript:void(0);";
}

OpenGamePieces SplitOpenGameArgument(const std::string& text)
{
    const auto bar = text.find('|');
    if (bar == std::string::npos)
        return {text, {}, {}};
    const auto second = text.find('|', bar + 1);
    if (second == std::string::npos)
        return {text.substr(0, bar), {}, text.substr(bar + 1)};
    return {text.substr(0, bar), text.substr(bar + 1, second - bar - 1), text.substr(second + 1)};
}

CWebDlg::CWebDlg(CMainWnd*) : CDialog(IDD_ACCESS)
{
    m_host = new CWebCtrlInterFace(false);  // reference counted: deletes itself at the last release
    m_host->SetExternal(std::make_unique<CJSDispatch>(this));
    m_host->AddRef();
}

CWebDlg::~CWebDlg()
{
    if (m_host != nullptr || m_browser.IsWindow() || IsWindow())
        OnCancel();
}

BOOL CWebDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetClientRect(m_pageRect);
    if (g_pMainWnd != nullptr) {
        m_pageRect.right = g_pMainWnd->WebArea.right - 4;
        m_pageRect.bottom = g_pMainWnd->WebArea.bottom;
    }
    if (!m_browser.CreateControl(*this, m_pageRect, kBrowserId, this)) {
        DestroyWindow();
        return FALSE;
    }
    m_browser.InstallClientSite(m_host);
    if (m_browser.Control() == nullptr) {
        m_browser.DestroyWindow();
        DestroyWindow();
        return FALSE;
    }
    const std::string url = g_pMainWnd ? AccessPageAddress(g_pMainWnd->Uid, g_pMainWnd->Suid) : AccessPageAddress("", "");
    m_browser.Control()->SetSilent(true);
    m_homeUrl = url;
    NavigateHome();
    m_navigated = true;
    return TRUE;
}

void CWebDlg::NavigateHome()
{
    // The first navigation happens while the dialog is still hidden; later ones only when shown.
    if (m_browser.Control() != nullptr && (IsWindowVisible() || !m_navigated))
        m_browser.Control()->Navigate2(m_homeUrl);
}

void CWebDlg::Refresh()
{
    if (m_browser.Control() != nullptr)
        m_browser.Control()->Refresh();
}

void CWebDlg::ReleaseBrowser()
{
    if (m_host != nullptr) {
        CWebCtrlInterFace* host = m_host;
        m_host = nullptr;
        host->Release();
    }
    if (m_browser.Control() != nullptr)
        m_browser.Control()->Stop();
    m_browser.DestroyWindow();  // the control lets its client site go with it
}

void CWebDlg::OnCancel()
{
    ReleaseBrowser();
    if (IsWindow())
        CDialog::OnCancel();  // a modeless dialog's end destroys its window
    if (IsWindow())
        DestroyWindow();
}

void CWebDlg::OnSize(UINT, int cx, int cy)
{
    if (!m_browser.IsWindow())
        return;
    m_pageRect = {0, 0, cx, cy};
    m_browser.MoveWindow(m_pageRect);
}

BOOL CWebDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE)
        return TRUE;
    if (msg->message == WM_SYSKEYDOWN && msg->wParam == VK_F4) {
        ConfirmExit(g_pMainWnd);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F5)
        return TRUE;  // the page cannot be reloaded by the user
    if (msg->wParam == VK_BACK)
        return CDialog::PreTranslateMessage(msg);  // edits text, never navigates back
    if (m_browser.Control() != nullptr)
        m_browser.Control()->TranslateAccelerator(*msg);
    return FALSE;
}

void CWebDlg::RequestGame()
{
    if (g_pMainWnd != nullptr)
        g_pMainWnd->SendMessage(WM_GAME_OPEN);
}

void CWebDlg::OnBeforeNavigate2(const std::string& url)
{
    m_lastUrl = url;
    if (!IsGameLink(url) || g_pMainWnd == nullptr)
        return;
    g_pMainWnd->GameUrl = url;
    RequestGame();
}

void CWebDlg::OnNewWindow3(bool& cancel, const std::string& url)
{
    cancel = true;  // no browser window of the engine's ever opens
    m_lastUrl = url;
    if (IsGameLink(url)) {
        if (g_pMainWnd != nullptr)
            g_pMainWnd->GameUrl = url;
        return;
    }
    // Only web addresses go to the default browser; a page must not start other handlers.
    if (IsWebAddress(url))
        Platform().OpenUrl(url);
}

void CWebDlg::OnNavigateComplete2(const std::string& url)
{
    m_lastUrl = url;
}

void CWebDlg::OnDocumentComplete(const std::string&, bool hasDocument)
{
    if (!hasDocument || g_pMainWnd == nullptr || !g_pMainWnd->PageLoadPending)
        return;
    g_pMainWnd->PageLoadPending = 0;
    // Over a hidden launcher the page would float alone; the launcher shows it when it shows.
    if (g_pMainWnd->IsWindowVisible()) {
        ShowWindow(SW_SHOW);
        g_pMainWnd->PlaceAccessDialog();  // once mapped: the window system keeps a hidden one's old place
    }
}

void CWebDlg::OnOpenGameWindowNew(const std::string& a1, const std::string&, const std::string& a3, int)
{
    if (g_pMainWnd == nullptr)
        return;
    g_pMainWnd->GameUrl = a1;
    g_pMainWnd->ServerName = a3;
    RequestGame();
}

void CWebDlg::OnOpenGame(const std::string& param)
{
    if (g_pMainWnd == nullptr)
        return;
    const OpenGamePieces pieces = SplitOpenGameArgument(param);
    g_pMainWnd->GameUrl = pieces.first;
    g_pMainWnd->ServerName = pieces.third;
    RequestGame();
}

void CWebDlg::OnAccountRegisterSuccess(const std::string& param)
{
    if (g_pMainWnd == nullptr || g_pMainWnd->RegistrationRecorded != 0 || (param != "1" && param != "2"))
        return;
    g_pMainWnd->RegistrationRecorded = 1;
    g_pMainWnd->RecordRegistration();
}

void CWebDlg::OnShowIM(const std::string& param)
{
    if (g_pMainWnd == nullptr)
        return;
    g_pMainWnd->VipUserText = param;
    g_pMainWnd->PostMessage(WM_VIP_USERINFO);
}

void CWebDlg::OnOpenPay(const std::string& param)
{
    if (g_pMainWnd != nullptr)
        g_pMainWnd->PayUrl = param;
}

}  // namespace velmoor

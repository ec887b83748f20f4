#include "web/CWebBrowser.h"

#include "web/CWebCtrlInterFace.h"
#include "web/WebCacheCleaner.h"

namespace velmoor {

CWebBrowser::~CWebBrowser()
{
    DestroyWindow();
}

BOOL CWebBrowser::CreateControl(CWnd& parent, const RECT& rect, UINT id, IWebViewEvents* events)
{
    DestroyWindow();
    InstallWebCacheCleaner();
    m_id = id;
    m_view = Platform().CreateWebView(parent, {rect, id, events});
    return m_view != nullptr;
}

bool CWebBrowser::InstallClientSite(CWebCtrlInterFace* site)
{
    if (!m_view || site == nullptr)
        return false;
    site->AddRef();
    ReleaseSite();
    m_site = site;
    m_view->SetHost(this);
    return true;
}

void CWebBrowser::ReleaseSite()
{
    if (m_site == nullptr)
        return;
    CWebCtrlInterFace* site = m_site;
    m_site = nullptr;
    site->Release();
}

void CWebBrowser::MoveWindow(const RECT& rect)
{
    if (m_view)
        m_view->SetBounds(rect);
}

void CWebBrowser::DestroyWindow()
{
    if (m_view)
        m_view->SetHost(nullptr);
    m_view.reset();
    ReleaseSite();  // the control's reference goes with the control
}

void CWebBrowser::SetSilent(bool silent)
{
    if (m_view)
        m_view->SetSilent(silent);
}

void CWebBrowser::Navigate(const std::string& url)
{
    if (m_view)
        m_view->Navigate2(url);
}

bool CWebBrowser::SuppressContextMenu()
{
    const POINT point{0, 0};
    return m_site != nullptr && m_site->ShowContextMenu(0, &point, nullptr, nullptr) == S_OK;
}

DWORD CWebBrowser::HostFlags()
{
    DOCHOSTUIINFO info;
    info.cbSize = 20;
    if (m_site == nullptr || m_site->GetHostInfo(&info) != S_OK)
        return 0;
    return info.dwFlags;
}

IDispatch* CWebBrowser::External()
{
    IDispatch* external = nullptr;
    if (m_site == nullptr || m_site->GetExternal(&external) != S_OK)
        return nullptr;
    return external;
}

bool CWebBrowser::HasExternal()
{
    IDispatch* external = External();
    if (external == nullptr)
        return false;
    external->Release();
    return true;
}

bool CWebBrowser::HasExternalMethod(const std::string& name)
{
    IDispatch* external = External();
    if (external == nullptr)
        return false;
    DISPID id = DISPID_UNKNOWN;
    const bool found = SUCCEEDED(external->GetIDsOfNames(name, id));
    external->Release();
    return found;
}

bool CWebBrowser::CallExternal(const std::string& name, const std::vector<std::string>& args, std::string& result,
                               bool& hasResult)
{
    hasResult = false;
    IDispatch* external = External();
    if (external == nullptr)
        return false;
    CVariant value;
    const HRESULT hr = external->CallByName(name, std::vector<CVariant>(args.begin(), args.end()), value);
    external->Release();
    hasResult = SUCCEEDED(hr) && !value.IsEmpty();
    result = hasResult ? value.ToString() : std::string();
    return SUCCEEDED(hr);
}

}  // namespace velmoor

#include "platform/headless/CHeadlessWebView.h"

#include <algorithm>

namespace velmoor {

CHeadlessWebView::CHeadlessWebView(const WebViewParams& params, std::vector<CHeadlessWebView*>& registry)
    : m_registry(registry), m_events(params.events), m_rect(params.rect), m_id(params.id)
{
    m_registry.push_back(this);
}

CHeadlessWebView::~CHeadlessWebView()
{
    std::erase(m_registry, this);
}

void CHeadlessWebView::Navigate2(const std::string& url)
{
    m_navigations.push_back(url);
}

bool CHeadlessWebView::TranslateAccelerator(const MSG& msg)
{
    m_offeredKeys.push_back(static_cast<UINT>(msg.wParam));
    return false;
}

void CHeadlessWebView::FireBeforeNavigate2(const std::string& url)
{
    if (m_events)
        m_events->OnBeforeNavigate2(url);
}

bool CHeadlessWebView::FireNewWindow3(const std::string& url)
{
    bool cancel = false;
    if (m_events)
        m_events->OnNewWindow3(cancel, url);
    return cancel;
}

void CHeadlessWebView::FireNavigateComplete2(const std::string& url)
{
    m_url = url;
    if (m_events)
        m_events->OnNavigateComplete2(url);
}

void CHeadlessWebView::FireDocumentComplete(const std::string& url, bool hasDocument)
{
    if (m_events)
        m_events->OnDocumentComplete(url, hasDocument);
}

void CHeadlessWebView::FireLoad(const std::string& url)
{
    FireBeforeNavigate2(url);
    FireNavigateComplete2(url);
    FireDocumentComplete(url);
}

bool CHeadlessWebView::ScriptCall(const std::string& name, const std::vector<std::string>& args, std::string* result)
{
    if (m_host == nullptr || !m_host->HasExternal() || !m_host->HasExternalMethod(name))
        return false;
    std::string value;
    bool hasResult = false;
    const bool ok = m_host->CallExternal(name, args, value, hasResult);
    if (result)
        *result = hasResult ? value : std::string();
    return ok;
}

}  // namespace velmoor

#include "web/CWebCtrlInterFace.h"

#include <utility>

namespace velmoor {

namespace {

// Size of the record as the browser control of the original platform declares it.
constexpr ULONG kHostInfoSize = 20;

template <typename T>
void ClearOut(T** out)
{
    if (out) {
        *out = nullptr;
    }
}

void ClearOut(std::optional<std::string>* out)
{
    if (out) {
        out->reset();
    }
}

}  // namespace

CWebCtrlInterFace::CWebCtrlInterFace(bool noScroll) : m_noScroll(noScroll) {}

CWebCtrlInterFace::~CWebCtrlInterFace()
{
    ReleaseDefaults();
    m_external.reset();
}

void CWebCtrlInterFace::SetExternal(std::unique_ptr<CJSDispatch> external)
{
    m_external = std::move(external);
}

void CWebCtrlInterFace::SetDefaultClientSite(IOleClientSite* site)
{
    // Take the new site before letting the old one go, in case they are the same object.
    IDocHostUIHandler* handler = nullptr;
    if (site) {
        site->AddRef();
        void* answer = nullptr;
        if (site->QueryInterface(IID_IDocHostUIHandler, &answer) == S_OK) {
            handler = static_cast<IDocHostUIHandler*>(answer);
        }
    }
    ReleaseDefaults();
    m_defaultSite = site;
    m_defaultHandler = handler;
}

void CWebCtrlInterFace::ReleaseDefaults()
{
    if (IOleClientSite* site = std::exchange(m_defaultSite, nullptr)) {
        site->Release();
    }
    if (IDocHostUIHandler* handler = std::exchange(m_defaultHandler, nullptr)) {
        handler->Release();
    }
}

// --- IUnknown ---------------------------------------------------------------------------------

HRESULT CWebCtrlInterFace::QueryInterface(IID iid, void** out)
{
    if (!out) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *out = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IDocHostUIHandler) {
        *out = static_cast<IDocHostUIHandler*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG CWebCtrlInterFace::AddRef()
{
    return static_cast<ULONG>(++m_refCount);
}

ULONG CWebCtrlInterFace::Release()
{
    const LONG count = --m_refCount;
    if (count == 0) {
        delete this;
    }
    return static_cast<ULONG>(count);
}

// --- IOleClientSite ---------------------------------------------------------------------------

HRESULT CWebCtrlInterFace::SaveObject()
{
    return m_defaultSite ? m_defaultSite->SaveObject() : E_FAIL;
}

HRESULT CWebCtrlInterFace::GetMoniker(DWORD assign, DWORD which, IUnknown** moniker)
{
    if (m_defaultSite) {
        return m_defaultSite->GetMoniker(assign, which, moniker);
    }
    ClearOut(moniker);
    return E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::GetContainer(IUnknown** container)
{
    if (m_defaultSite) {
        return m_defaultSite->GetContainer(container);
    }
    ClearOut(container);
    return E_NOINTERFACE;
}

HRESULT CWebCtrlInterFace::ShowObject()
{
    return m_defaultSite ? m_defaultSite->ShowObject() : S_OK;
}

HRESULT CWebCtrlInterFace::OnShowWindow(BOOL show)
{
    return m_defaultSite ? m_defaultSite->OnShowWindow(show) : S_OK;
}

HRESULT CWebCtrlInterFace::RequestNewObjectLayout()
{
    return m_defaultSite ? m_defaultSite->RequestNewObjectLayout() : E_NOTIMPL;
}

// --- IDocHostUIHandler ------------------------------------------------------------------------

// Hosted pages never get a context menu, whatever the original site would do.
HRESULT CWebCtrlInterFace::ShowContextMenu(DWORD id, const POINT* point, IUnknown* commandTarget,
                                           IDispatch* object)
{
    return S_OK;
}

HRESULT CWebCtrlInterFace::GetHostInfo(DOCHOSTUIINFO* info)
{
    if (m_defaultHandler) {
        return m_defaultHandler->GetHostInfo(info);
    }
    if (!info) {
        return E_INVALIDARG;
    }
    info->cbSize = kHostInfoSize;
    info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | (m_noScroll ? DOCHOSTUIFLAG_SCROLL_NO : 0);
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

HRESULT CWebCtrlInterFace::ShowUI(DWORD id, IUnknown* activeObject, IUnknown* commandTarget,
                                  IUnknown* frame, IUnknown* document)
{
    if (m_defaultHandler) {
        return m_defaultHandler->ShowUI(id, activeObject, commandTarget, frame, document);
    }
    return S_FALSE;
}

HRESULT CWebCtrlInterFace::HideUI()
{
    return m_defaultHandler ? m_defaultHandler->HideUI() : E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::UpdateUI()
{
    return m_defaultHandler ? m_defaultHandler->UpdateUI() : E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::EnableModeless(BOOL enable)
{
    return m_defaultHandler ? m_defaultHandler->EnableModeless(enable) : E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::OnDocWindowActivate(BOOL activate)
{
    return m_defaultHandler ? m_defaultHandler->OnDocWindowActivate(activate) : E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::OnFrameWindowActivate(BOOL activate)
{
    return m_defaultHandler ? m_defaultHandler->OnFrameWindowActivate(activate) : E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::ResizeBorder(const RECT* border, IUnknown* uiWindow, BOOL frameWindow)
{
    return m_defaultHandler ? m_defaultHandler->ResizeBorder(border, uiWindow, frameWindow) : E_NOTIMPL;
}

// Without an original handler the control handles the key itself.
HRESULT CWebCtrlInterFace::TranslateAccelerator(const MSG* message, const IID* commandGroup,
                                                DWORD commandId)
{
    if (m_defaultHandler) {
        return m_defaultHandler->TranslateAccelerator(message, commandGroup, commandId);
    }
    return E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::GetOptionKeyPath(std::optional<std::string>* key, DWORD reserved)
{
    if (m_defaultHandler) {
        return m_defaultHandler->GetOptionKeyPath(key, reserved);
    }
    ClearOut(key);
    return E_NOTIMPL;
}

// S_FALSE from the original handler would mean "no replacement" but leave the out pointer in
// doubt; the control is told plainly that there is none.
HRESULT CWebCtrlInterFace::GetDropTarget(IUnknown* dropTarget, IUnknown** replacement)
{
    if (m_defaultHandler) {
        const HRESULT hr = m_defaultHandler->GetDropTarget(dropTarget, replacement);
        return hr == S_FALSE ? E_FAIL : hr;
    }
    ClearOut(replacement);
    return E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::GetExternal(IDispatch** external)
{
    if (m_external) {
        if (!external) {
            return E_INVALIDARG;
        }
        *external = m_external.get();
        m_external->AddRef();
        return S_OK;
    }
    if (m_defaultHandler) {
        return m_defaultHandler->GetExternal(external);
    }
    ClearOut(external);
    return E_NOTIMPL;
}

HRESULT CWebCtrlInterFace::TranslateUrl(DWORD translate, const std::string& url,
                                        std::optional<std::string>* translated)
{
    if (m_defaultHandler) {
        return m_defaultHandler->TranslateUrl(translate, url, translated);
    }
    ClearOut(translated);
    return S_FALSE;
}

HRESULT CWebCtrlInterFace::FilterDataObject(IUnknown* dataObject, IUnknown** replacement)
{
    if (m_defaultHandler) {
        return m_defaultHandler->FilterDataObject(dataObject, replacement);
    }
    ClearOut(replacement);
    return S_FALSE;
}

}  // namespace velmoor

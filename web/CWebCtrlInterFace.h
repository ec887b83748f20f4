#pragma once
#include <atomic>
#include <memory>

#include "web/CJSDispatch.h"
#include "web/IDocHostUIHandler.h"
#include "web/IOleClientSite.h"

namespace velmoor {

// The client site every web window puts on its browser control, so that the program decides how
// a page is framed (no 3-D border, optionally no scroll bars), suppresses the page's context
// menu and hands the page its `window.external`. Whatever the program has no opinion on goes to
// the control's original site, once adopted with SetDefaultClientSite.
//
// Reference counted by hand: the creator takes the first reference and the object deletes itself
// when the last one is released, together with the bridge it owns.
class CWebCtrlInterFace : public IOleClientSite, public IDocHostUIHandler {
public:
    explicit CWebCtrlInterFace(bool noScroll);

    CWebCtrlInterFace(const CWebCtrlInterFace&) = delete;
    CWebCtrlInterFace& operator=(const CWebCtrlInterFace&) = delete;

    // The bridge handed to pages; destroyed with this object. Set before the control is created.
    void SetExternal(std::unique_ptr<CJSDispatch> external);
    CJSDispatch* External() const { return m_external.get(); }

    // Adopts the control's original site (one reference held) and its UI handler if it has one;
    // null lets both go.
    void SetDefaultClientSite(IOleClientSite* site);
    IOleClientSite* DefaultClientSite() const { return m_defaultSite; }
    IDocHostUIHandler* DefaultUIHandler() const { return m_defaultHandler; }

    bool NoScroll() const { return m_noScroll; }

    // IUnknown (shared by both interfaces).
    HRESULT QueryInterface(IID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;

    // IOleClientSite.
    HRESULT SaveObject() override;
    HRESULT GetMoniker(DWORD assign, DWORD which, IUnknown** moniker) override;
    HRESULT GetContainer(IUnknown** container) override;
    HRESULT ShowObject() override;
    HRESULT OnShowWindow(BOOL show) override;
    HRESULT RequestNewObjectLayout() override;

    // IDocHostUIHandler.
    HRESULT ShowContextMenu(DWORD id, const POINT* point, IUnknown* commandTarget,
                            IDispatch* object) override;
    HRESULT GetHostInfo(DOCHOSTUIINFO* info) override;
    HRESULT ShowUI(DWORD id, IUnknown* activeObject, IUnknown* commandTarget, IUnknown* frame,
                   IUnknown* document) override;
    HRESULT HideUI() override;
    HRESULT UpdateUI() override;
    HRESULT EnableModeless(BOOL enable) override;
    HRESULT OnDocWindowActivate(BOOL activate) override;
    HRESULT OnFrameWindowActivate(BOOL activate) override;
    HRESULT ResizeBorder(const RECT* border, IUnknown* uiWindow, BOOL frameWindow) override;
    HRESULT TranslateAccelerator(const MSG* message, const IID* commandGroup,
                                 DWORD commandId) override;
    HRESULT GetOptionKeyPath(std::optional<std::string>* key, DWORD reserved) override;
    HRESULT GetDropTarget(IUnknown* dropTarget, IUnknown** replacement) override;
    HRESULT GetExternal(IDispatch** external) override;
    HRESULT TranslateUrl(DWORD translate, const std::string& url,
                         std::optional<std::string>* translated) override;
    HRESULT FilterDataObject(IUnknown* dataObject, IUnknown** replacement) override;

protected:
    // Only Release ends the object's life.
    virtual ~CWebCtrlInterFace();

private:
    void ReleaseDefaults();

    std::unique_ptr<CJSDispatch> m_external;
    std::atomic<LONG> m_refCount{0};
    IOleClientSite* m_defaultSite = nullptr;
    IDocHostUIHandler* m_defaultHandler = nullptr;
    const bool m_noScroll;
};

}  // namespace velmoor

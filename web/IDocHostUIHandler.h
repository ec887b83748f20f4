#pragma once
#include <optional>
#include <string>

#include "web/IDispatch.h"
#include "web/IUnknown.h"

namespace velmoor {

constexpr DWORD DOCHOSTUIFLAG_NO3DBORDER = 4;
constexpr DWORD DOCHOSTUIFLAG_SCROLL_NO = 8;
constexpr DWORD DOCHOSTUIDBLCLK_DEFAULT = 0;

// How a page is framed: the host fills it in when the browser asks.
struct DOCHOSTUIINFO {
    ULONG cbSize = 0;
    DWORD dwFlags = 0;
    DWORD dwDoubleClick = 0;
    std::string pchHostCss;
    std::string pchHostNS;
};

// The host's say in the browser's user interface (context menu, frame, `window.external`).
// Out pointers may be null; a string out value of std::nullopt stands for a null string. The
// browser's own helper objects (command targets, frames, drop targets, data objects) are opaque
// here and travel as IUnknown.
class IDocHostUIHandler : public IUnknown {
public:
    virtual HRESULT ShowContextMenu(DWORD id, const POINT* point, IUnknown* commandTarget,
                                    IDispatch* object) = 0;
    virtual HRESULT GetHostInfo(DOCHOSTUIINFO* info) = 0;
    virtual HRESULT ShowUI(DWORD id, IUnknown* activeObject, IUnknown* commandTarget,
                           IUnknown* frame, IUnknown* document) = 0;
    virtual HRESULT HideUI() = 0;
    virtual HRESULT UpdateUI() = 0;
    virtual HRESULT EnableModeless(BOOL enable) = 0;
    virtual HRESULT OnDocWindowActivate(BOOL activate) = 0;
    virtual HRESULT OnFrameWindowActivate(BOOL activate) = 0;
    virtual HRESULT ResizeBorder(const RECT* border, IUnknown* uiWindow, BOOL frameWindow) = 0;
    virtual HRESULT TranslateAccelerator(const MSG* message, const IID* commandGroup,
                                         DWORD commandId) = 0;
    virtual HRESULT GetOptionKeyPath(std::optional<std::string>* key, DWORD reserved) = 0;
    virtual HRESULT GetDropTarget(IUnknown* dropTarget, IUnknown** replacement) = 0;
    virtual HRESULT GetExternal(IDispatch** external) = 0;
    virtual HRESULT TranslateUrl(DWORD translate, const std::string& url,
                                 std::optional<std::string>* translated) = 0;
    virtual HRESULT FilterDataObject(IUnknown* dataObject, IUnknown** replacement) = 0;

protected:
    ~IDocHostUIHandler() = default;
};

}  // namespace velmoor

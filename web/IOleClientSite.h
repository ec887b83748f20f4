#pragma once
#include "web/IUnknown.h"

namespace velmoor {

// The container side of an embedded browser: what the control asks of the window it lives in.
// Monikers and containers are opaque to this program, so they travel as IUnknown.
class IOleClientSite : public IUnknown {
public:
    virtual HRESULT SaveObject() = 0;
    virtual HRESULT GetMoniker(DWORD assign, DWORD which, IUnknown** moniker) = 0;
    virtual HRESULT GetContainer(IUnknown** container) = 0;
    virtual HRESULT ShowObject() = 0;
    virtual HRESULT OnShowWindow(BOOL show) = 0;
    virtual HRESULT RequestNewObjectLayout() = 0;

protected:
    ~IOleClientSite() = default;
};

}  // namespace velmoor

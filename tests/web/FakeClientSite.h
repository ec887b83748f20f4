#pragma once
#include <string>
#include <vector>

#include "web/IDocHostUIHandler.h"
#include "web/IOleClientSite.h"

namespace velmoor::test {

// Result every fake method gives, so a test can tell a forwarded answer from the host's own.
constexpr HRESULT kSiteAnswer = 0x4321;

// Stands in for the browser framework's own client site. It offers IDocHostUIHandler only when
// asked to, counts its references (the test owns it, so it never deletes itself) and records
// every call, and optionally every Release, into a shared event list.
class FakeClientSite : public IOleClientSite, public IDocHostUIHandler {
public:
    explicit FakeClientSite(bool offersHandler, std::vector<std::string>* events = nullptr)
        : m_offersHandler(offersHandler), m_events(events)
    {
    }

    LONG refs = 0;
    std::vector<std::string> calls;
    HRESULT answer = kSiteAnswer;

    bool Called(const std::string& name) const
    {
        for (const auto& c : calls) {
            if (c == name) {
                return true;
            }
        }
        return false;
    }

    HRESULT QueryInterface(IID iid, void** out) override
    {
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
            *out = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IDocHostUIHandler && m_offersHandler) {
            *out = static_cast<IDocHostUIHandler*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return static_cast<ULONG>(++refs); }
    ULONG Release() override
    {
        if (m_events) {
            m_events->push_back("site released");
        }
        return static_cast<ULONG>(--refs);
    }

    HRESULT SaveObject() override { return Record("SaveObject"); }
    HRESULT GetMoniker(DWORD, DWORD, IUnknown**) override { return Record("GetMoniker"); }
    HRESULT GetContainer(IUnknown**) override { return Record("GetContainer"); }
    HRESULT ShowObject() override { return Record("ShowObject"); }
    HRESULT OnShowWindow(BOOL) override { return Record("OnShowWindow"); }
    HRESULT RequestNewObjectLayout() override { return Record("RequestNewObjectLayout"); }

    HRESULT ShowContextMenu(DWORD, const POINT*, IUnknown*, IDispatch*) override
    {
        return Record("ShowContextMenu");
    }
    HRESULT GetHostInfo(DOCHOSTUIINFO*) override { return Record("GetHostInfo"); }
    HRESULT ShowUI(DWORD, IUnknown*, IUnknown*, IUnknown*, IUnknown*) override { return Record("ShowUI"); }
    HRESULT HideUI() override { return Record("HideUI"); }
    HRESULT UpdateUI() override { return Record("UpdateUI"); }
    HRESULT EnableModeless(BOOL) override { return Record("EnableModeless"); }
    HRESULT OnDocWindowActivate(BOOL) override { return Record("OnDocWindowActivate"); }
    HRESULT OnFrameWindowActivate(BOOL) override { return Record("OnFrameWindowActivate"); }
    HRESULT ResizeBorder(const RECT*, IUnknown*, BOOL) override { return Record("ResizeBorder"); }
    HRESULT TranslateAccelerator(const MSG*, const IID*, DWORD) override
    {
        return Record("TranslateAccelerator");
    }
    HRESULT GetOptionKeyPath(std::optional<std::string>*, DWORD) override
    {
        return Record("GetOptionKeyPath");
    }
    HRESULT GetDropTarget(IUnknown*, IUnknown**) override { return Record("GetDropTarget"); }
    HRESULT GetExternal(IDispatch**) override { return Record("GetExternal"); }
    HRESULT TranslateUrl(DWORD, const std::string&, std::optional<std::string>*) override
    {
        return Record("TranslateUrl");
    }
    HRESULT FilterDataObject(IUnknown*, IUnknown**) override { return Record("FilterDataObject"); }

private:
    HRESULT Record(const char* name)
    {
        calls.push_back(name);
        return answer;
    }

    bool m_offersHandler;
    std::vector<std::string>* m_events;
};

}  // namespace velmoor::test

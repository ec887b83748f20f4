#pragma once
#include <atomic>
#include <string>
#include <vector>

#include "web/IDispatch.h"
#include "web/IJSDispatch.h"

namespace velmoor {

// `window.external` of a page: a fixed table of method names whose calls go to the hosting
// window's IJSDispatch. The host object (CWebCtrlInterFace) owns it and deletes it; the
// reference count only answers the script engine and never ends the object's life.
class CJSDispatch : public IDispatch {
public:
    static constexpr DISPID DISPID_OPENGAMEWINDOWNEW = 1003;
    static constexpr DISPID DISPID_WD_JAPI = 1004;
    static constexpr DISPID DISPID_API_CLOSE = 1005;

    // `target` is not owned and must outlive the bridge (it is the window that hosts the page).
    explicit CJSDispatch(IJSDispatch* target);
    virtual ~CJSDispatch();

    CJSDispatch(const CJSDispatch&) = delete;
    CJSDispatch& operator=(const CJSDispatch&) = delete;

    HRESULT QueryInterface(IID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID locale, void** typeInfo) override;
    HRESULT GetIDsOfNames(IID iid, const std::string* names, UINT count, LCID locale,
                          DISPID* ids) override;
    HRESULT Invoke(DISPID id, IID iid, LCID locale, WORD flags, const DISPPARAMS* params,
                   CVariant* result, void* exception, UINT* argError) override;

    using IDispatch::CallByName;
    using IDispatch::GetIDsOfNames;
    using IDispatch::Invoke;

    // The count as last changed; informative only.
    LONG RefCount() const { return m_refCount.load(); }

private:
    void OpenGameWindowNew(const std::vector<CVariant>& args);
    void WdJapi(const std::vector<CVariant>& args, CVariant* result);
    void RunSubMethod(int entry, const std::string& param, CVariant* result);

    std::atomic<LONG> m_refCount{0};
    IJSDispatch* const m_target;
};

}  // namespace velmoor

#pragma once
#include <string>
#include <vector>

#include "web/CVariant.h"
#include "web/IUnknown.h"

namespace velmoor {

// The arguments of one automation call, in dispatch order: the script's last argument first.
struct DISPPARAMS {
    std::vector<CVariant> args;
};

// An automation object: names are looked up once to a dispatch id, calls go by that id.
// The non-virtual helpers at the end are what the web engine adapter uses for a page's
// `window.external.Name(a, b)`.
class IDispatch : public IUnknown {
public:
    virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
    virtual HRESULT GetTypeInfo(UINT index, LCID locale, void** typeInfo) = 0;
    virtual HRESULT GetIDsOfNames(IID iid, const std::string* names, UINT count, LCID locale,
                                  DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID id, IID iid, LCID locale, WORD flags, const DISPPARAMS* params,
                           CVariant* result, void* exception, UINT* argError) = 0;

    // One name to its dispatch id.
    HRESULT GetIDsOfNames(const std::string& name, DISPID& id);

    // A method call with the arguments already in dispatch order.
    HRESULT Invoke(DISPID id, const std::vector<CVariant>& argsInDispatchOrder, CVariant* result);

    // A call as script makes it: look the name up, reverse the arguments, invoke. `result` is
    // left empty when the method returns nothing.
    HRESULT CallByName(const std::string& name, const std::vector<CVariant>& argsInScriptOrder,
                       CVariant& result);

    // The same for string arguments; true when the object has the method and the call succeeded.
    bool CallByName(const std::string& name, const std::vector<std::string>& argsInScriptOrder,
                    std::string& result);

protected:
    ~IDispatch() = default;
};

}  // namespace velmoor

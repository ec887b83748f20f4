#include "web/IDispatch.h"

namespace velmoor {

HRESULT IDispatch::GetIDsOfNames(const std::string& name, DISPID& id)
{
    return GetIDsOfNames(IID_NULL, &name, 1, 0, &id);
}

HRESULT IDispatch::Invoke(DISPID id, const std::vector<CVariant>& argsInDispatchOrder, CVariant* result)
{
    const DISPPARAMS params{argsInDispatchOrder};
    return Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr, nullptr);
}

HRESULT IDispatch::CallByName(const std::string& name, const std::vector<CVariant>& argsInScriptOrder,
                              CVariant& result)
{
    result.Clear();
    DISPID id = DISPID_UNKNOWN;
    const HRESULT found = GetIDsOfNames(name, id);
    if (FAILED(found)) {
        return found;
    }
    const std::vector<CVariant> reversed(argsInScriptOrder.rbegin(), argsInScriptOrder.rend());
    return Invoke(id, reversed, &result);
}

bool IDispatch::CallByName(const std::string& name, const std::vector<std::string>& argsInScriptOrder,
                           std::string& result)
{
    const std::vector<CVariant> args(argsInScriptOrder.begin(), argsInScriptOrder.end());
    CVariant value;
    const HRESULT hr = CallByName(name, args, value);
    result = value.ToString();
    return SUCCEEDED(hr);
}

}  // namespace velmoor

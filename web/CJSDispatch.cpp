#include "web/CJSDispatch.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace velmoor {

namespace {

struct NameEntry {
    std::string_view name;
    DISPID id;
};

constexpr std::array<NameEntry, 3> kMethods{{
    {"OpenGameWindowNew", CJSDispatch::DISPID_OPENGAMEWINDOWNEW},
    {"WD_JAPI", CJSDispatch::DISPID_WD_JAPI},
    {"API_close", CJSDispatch::DISPID_API_CLOSE},
}};

// WD_JAPI sub-methods in the order they are tried. The first whose name occurs anywhere in the
// script's sub-method name wins, so the order is part of the page contract.
enum SubMethod {
    kGetApiVersion,
    kOpenGame,
    kAccountRegisterSuccess,
    kGetClientVersion,
    kShowIM,
    kDialogBoxTopInfo,
    kOpenPay,
    kClosedBox,
    kSubMethodCount,
};

constexpr std::array<std::string_view, kSubMethodCount> kSubMethods{
    "getApiVersion", "OpenGame", "AccountRegisterSuccess", "getClientVersion",
    "ShowIM",        "DialogBoxTopInfo", "openPay",        "closedBox",
};

constexpr const char* kApiVersion = "1";
constexpr const char* kClientVersion = "1001";

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

// The script's argument `index` (0 = first) from an array in dispatch order. Arguments the
// script left out read as empty strings.
std::string ScriptArg(const std::vector<CVariant>& args, std::size_t index)
{
    if (index >= args.size()) {
        return {};
    }
    return args[args.size() - 1 - index].ToString();
}

int FindSubMethod(const std::string& name)
{
    for (int entry = 0; entry < kSubMethodCount; ++entry) {
        if (name.find(kSubMethods[entry]) != std::string::npos) {
            return entry;
        }
    }
    return kSubMethodCount;
}

}  // namespace

CJSDispatch::CJSDispatch(IJSDispatch* target) : m_target(target) {}

CJSDispatch::~CJSDispatch() = default;

HRESULT CJSDispatch::QueryInterface(IID iid, void** out)
{
    if (!out) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch) {
        return E_NOINTERFACE;
    }
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG CJSDispatch::AddRef()
{
    return static_cast<ULONG>(++m_refCount);
}

ULONG CJSDispatch::Release()
{
    return static_cast<ULONG>(--m_refCount);
}

HRESULT CJSDispatch::GetTypeInfoCount(UINT* count)
{
    return E_NOTIMPL;
}

HRESULT CJSDispatch::GetTypeInfo(UINT index, LCID locale, void** typeInfo)
{
    return E_NOTIMPL;
}

HRESULT CJSDispatch::GetIDsOfNames(IID iid, const std::string* names, UINT count, LCID locale,
                                   DISPID* ids)
{
    if (!names || !ids || count == 0) {
        return E_INVALIDARG;
    }
    for (const NameEntry& entry : kMethods) {
        if (EqualsIgnoringCase(names[0], entry.name)) {
            ids[0] = entry.id;
            return S_OK;
        }
    }
    return E_NOTIMPL;
}

HRESULT CJSDispatch::Invoke(DISPID id, IID iid, LCID locale, WORD flags, const DISPPARAMS* params,
                            CVariant* result, void* exception, UINT* argError)
{
    static const std::vector<CVariant> kNoArgs;
    const std::vector<CVariant>& args = params ? params->args : kNoArgs;
    switch (id) {
    case DISPID_OPENGAMEWINDOWNEW:
        OpenGameWindowNew(args);
        return S_OK;
    case DISPID_WD_JAPI:
        WdJapi(args, result);
        return S_OK;
    case DISPID_API_CLOSE:
        if (m_target) {
            m_target->OnApiClose();
        }
        return S_OK;
    default:
        return E_NOTIMPL;
    }
}

void CJSDispatch::OpenGameWindowNew(const std::vector<CVariant>& args)
{
    if (m_target) {
        m_target->OnOpenGameWindowNew(ScriptArg(args, 0), ScriptArg(args, 1), ScriptArg(args, 2), 0);
    }
}

// WD_JAPI(name, parameter); any other number of arguments names the sub-method by the last one
// and passes no parameter.
void CJSDispatch::WdJapi(const std::vector<CVariant>& args, CVariant* result)
{
    std::string name;
    std::string param;
    if (args.size() == 2) {
        name = args[1].ToString();
        param = args[0].ToString();
    } else if (!args.empty()) {
        name = args[0].ToString();
    }
    RunSubMethod(FindSubMethod(name), param, result);
}

void CJSDispatch::RunSubMethod(int entry, const std::string& param, CVariant* result)
{
    if (entry == kGetApiVersion || entry == kGetClientVersion) {
        if (result) {
            *result = CVariant(entry == kGetApiVersion ? kApiVersion : kClientVersion);
        }
        return;
    }
    if (!m_target) {
        return;
    }
    switch (entry) {
    case kOpenGame: m_target->OnOpenGame(param); break;
    case kAccountRegisterSuccess: m_target->OnAccountRegisterSuccess(param); break;
    case kShowIM: m_target->OnShowIM(param); break;
    case kDialogBoxTopInfo: m_target->OnDialogBoxTopInfo(param); break;
    case kOpenPay: m_target->OnOpenPay(param); break;
    case kClosedBox: m_target->OnClosedBox(); break;
    default: break;
    }
}

}  // namespace velmoor

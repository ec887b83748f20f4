#include "web/CJSDispatch.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingCallbacks.h"

namespace velmoor::test {
namespace {

using Calls = std::vector<std::string>;
using Args = std::vector<CVariant>;

// Arguments are written in script order; the bridge receives them reversed, as from a browser.
Args Dispatched(Args scriptOrder)
{
    return Args(scriptOrder.rbegin(), scriptOrder.rend());
}

TEST(CJSDispatchNames, MethodNamesInAnyLetterCase)
{
    struct Case {
        const char* name;
        DISPID id;
    };
    const Case cases[] = {
        {"OpenGameWindowNew", 1003}, {"OPENGAMEWINDOWNEW", 1003}, {"opengamewindownew", 1003},
        {"WD_JAPI", 1004},           {"wd_japi", 1004},           {"Wd_JaPi", 1004},
        {"API_close", 1005},         {"api_CLOSE", 1005},
    };
    CJSDispatch bridge(nullptr);
    for (const Case& c : cases) {
        DISPID id = 0;
        EXPECT_EQ(bridge.GetIDsOfNames(c.name, id), S_OK) << c.name;
        EXPECT_EQ(id, c.id) << c.name;
    }
}

TEST(CJSDispatchNames, UnknownNamesAreNotImplemented)
{
    CJSDispatch bridge(nullptr);
    for (const char* name : {"OpenGame", "WD_JAPI2", "API_close ", "", "closedBox", "getApiVersion"}) {
        DISPID id = 77;
        EXPECT_EQ(bridge.GetIDsOfNames(name, id), E_NOTIMPL) << name;
        EXPECT_EQ(id, 77) << name;
    }
}

TEST(CJSDispatchNames, OnlyTheFirstNameIsLookedUpAndArraysMustExist)
{
    CJSDispatch bridge(nullptr);
    const std::string names[] = {"api_close", "WD_JAPI"};
    DISPID ids[2] = {0, 0};
    EXPECT_EQ(bridge.GetIDsOfNames(IID_NULL, names, 2, 0, ids), S_OK);
    EXPECT_EQ(ids[0], 1005);
    EXPECT_EQ(ids[1], 0);

    EXPECT_EQ(bridge.GetIDsOfNames(IID_NULL, nullptr, 1, 0, ids), E_INVALIDARG);
    EXPECT_EQ(bridge.GetIDsOfNames(IID_NULL, names, 1, 0, nullptr), E_INVALIDARG);
    EXPECT_EQ(bridge.GetIDsOfNames(IID_NULL, names, 0, 0, ids), E_INVALIDARG);
}

struct JapiCase {
    const char* what;
    Args scriptArgs;
    Calls calls;
    CVariant result;  // empty: the result is left alone
};

TEST(CJSDispatchWdJapi, SubMethodTableInOrderWithCaseSensitiveSubstrings)
{
    const JapiCase cases[] = {
        {"api version", {"getApiVersion"}, {}, "1"},
        {"client version", {"getClientVersion"}, {}, "1001"},
        {"version with a parameter", {"getApiVersion", "x"}, {}, "1"},
        {"version after a prefix", {"xx.getApiVersion"}, {}, "1"},
        {"api version is tried first", {"getClientVersion,getApiVersion"}, {}, "1"},
        {"open game", {"OpenGame", "http://g/|x|S1"}, {"OnOpenGame(http://g/|x|S1)"}, {}},
        {"window name runs OpenGame", {"OpenGameWindowNew", "p"}, {"OnOpenGame(p)"}, {}},
        {"OpenGame before ShowIM", {"ShowIMOpenGame", "p"}, {"OnOpenGame(p)"}, {}},
        {"registration", {"AccountRegisterSuccess", "1"}, {"OnAccountRegisterSuccess(1)"}, {}},
        {"service user", {"ShowIM", "a|1|2|3|4|5|6|"}, {"OnShowIM(a|1|2|3|4|5|6|)"}, {}},
        {"head line", {"DialogBoxTopInfo", "Ann|在线|x"}, {"OnDialogBoxTopInfo(Ann|在线|x)"}, {}},
        {"pay address", {"openPay", "http://p/?g=tavu"}, {"OnOpenPay(http://p/?g=tavu)"}, {}},
        {"close box", {"closedBox"}, {"OnClosedBox()"}, {}},
        {"close box ignores its parameter", {"closedBox", "x"}, {"OnClosedBox()"}, {}},
        {"lower case sub-method", {"openpay", "x"}, {}, {}},
        {"capitalised sub-method", {"OpenPay", "x"}, {}, {}},
        {"unknown sub-method", {"nothing", "x"}, {}, {}},
        {"three arguments: the last names it", {"a", "b", "openPay"}, {"OnOpenPay()"}, {}},
        {"three arguments: first not looked at", {"openPay", "b", "c"}, {}, {}},
        {"no arguments", {}, {}, {}},
        {"number parameter", {"openPay", 42}, {"OnOpenPay(42)"}, {}},
        {"boolean parameter", {"AccountRegisterSuccess", true}, {"OnAccountRegisterSuccess(true)"}, {}},
        {"missing parameter", {"ShowIM", CVariant()}, {"OnShowIM()"}, {}},
    };
    for (const JapiCase& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingCallbacks callbacks;
        CJSDispatch bridge(&callbacks);
        CVariant result;
        EXPECT_EQ(bridge.Invoke(CJSDispatch::DISPID_WD_JAPI, Dispatched(c.scriptArgs), &result), S_OK);
        EXPECT_EQ(callbacks.calls, c.calls);
        EXPECT_EQ(result, c.result);
    }
}

TEST(CJSDispatchWdJapi, ResultIsTouchedOnlyByVersionQueries)
{
    RecordingCallbacks callbacks;
    CJSDispatch bridge(&callbacks);
    CVariant result(7);
    EXPECT_EQ(bridge.Invoke(CJSDispatch::DISPID_WD_JAPI, Dispatched({"OpenGame", "u"}), &result), S_OK);
    EXPECT_EQ(result, CVariant(7));
    EXPECT_EQ(bridge.Invoke(CJSDispatch::DISPID_WD_JAPI, Dispatched({"getApiVersion"}), &result), S_OK);
    EXPECT_EQ(result.Type(), VT_BSTR);
    EXPECT_EQ(result.ToString(), "1");
    // A caller that wants no result gets none.
    EXPECT_EQ(bridge.Invoke(CJSDispatch::DISPID_WD_JAPI, Dispatched({"getApiVersion"}), nullptr), S_OK);
}

TEST(CJSDispatchInvoke, OpenGameWindowNewPassesTheFirstThreeArguments)
{
    struct Case {
        Args scriptArgs;
        const char* call;
    };
    const Case cases[] = {
        {{"http://g/?client=1", "x", "S1", "ignored"}, "OnOpenGameWindowNew(http://g/?client=1,x,S1,0)"},
        {{"u", "x", "S1"}, "OnOpenGameWindowNew(u,x,S1,0)"},
        {{"u", "S1"}, "OnOpenGameWindowNew(u,S1,,0)"},
        {{"u"}, "OnOpenGameWindowNew(u,,,0)"},
        {{}, "OnOpenGameWindowNew(,,,0)"},
        {{"u", 5, true, 9, "e"}, "OnOpenGameWindowNew(u,5,true,0)"},
    };
    for (const Case& c : cases) {
        RecordingCallbacks callbacks;
        CJSDispatch bridge(&callbacks);
        EXPECT_EQ(bridge.Invoke(CJSDispatch::DISPID_OPENGAMEWINDOWNEW, Dispatched(c.scriptArgs), nullptr), S_OK);
        EXPECT_EQ(callbacks.calls, Calls{c.call});
    }
}

TEST(CJSDispatchInvoke, ApiCloseAndUnknownIds)
{
    RecordingCallbacks callbacks;
    CJSDispatch bridge(&callbacks);
    EXPECT_EQ(bridge.Invoke(CJSDispatch::DISPID_API_CLOSE, Dispatched({"whatever"}), nullptr), S_OK);
    EXPECT_EQ(callbacks.calls, Calls{"OnApiClose()"});

    callbacks.calls.clear();
    for (DISPID id : {0, 1002, 1006, -1}) {
        CVariant result;
        EXPECT_EQ(bridge.Invoke(id, Dispatched({"getApiVersion"}), &result), E_NOTIMPL) << id;
        EXPECT_TRUE(result.IsEmpty());
    }
    EXPECT_TRUE(callbacks.calls.empty());
}

// A property read reaches the same entry as a method call; a missing argument block is no arguments.
TEST(CJSDispatchInvoke, FlagsAreIgnoredAndParamsMayBeMissing)
{
    RecordingCallbacks callbacks;
    CJSDispatch bridge(&callbacks);
    const DISPPARAMS params{Dispatched({"closedBox"})};
    EXPECT_EQ(bridge.Invoke(1004, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(bridge.Invoke(1003, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(callbacks.calls, (Calls{"OnClosedBox()", "OnOpenGameWindowNew(,,,0)"}));
}

TEST(CJSDispatchInvoke, WithoutTargetCallsStillSucceed)
{
    CJSDispatch bridge(nullptr);
    for (const char* sub : {"OpenGame", "ShowIM", "closedBox"}) {
        EXPECT_EQ(bridge.Invoke(1004, Dispatched({sub, "x"}), nullptr), S_OK);
    }
    EXPECT_EQ(bridge.Invoke(1003, Dispatched({"u"}), nullptr), S_OK);
    EXPECT_EQ(bridge.Invoke(1005, {}, nullptr), S_OK);
}

// What the web engine adapter does for `window.external.Name(...)`.
TEST(CJSDispatchCallByName, LooksUpReversesAndInvokes)
{
    RecordingCallbacks callbacks;
    CJSDispatch bridge(&callbacks);
    std::string result = "stale";

    EXPECT_TRUE(bridge.CallByName("WD_JAPI", std::vector<std::string>{"OpenGame", "u|x|S1"}, result));
    EXPECT_EQ(result, "");
    EXPECT_TRUE(bridge.CallByName("OpenGameWindowNew", std::vector<std::string>{"u", "", "S2", "0"}, result));
    EXPECT_TRUE(bridge.CallByName("wd_japi", std::vector<std::string>{"getApiVersion"}, result));
    EXPECT_EQ(result, "1");
    EXPECT_TRUE(bridge.CallByName("API_close", std::vector<std::string>{}, result));
    EXPECT_FALSE(bridge.CallByName("NoSuchMethod", std::vector<std::string>{"x"}, result));
    EXPECT_EQ(result, "");

    EXPECT_EQ(callbacks.calls,
              (Calls{"OnOpenGame(u|x|S1)", "OnOpenGameWindowNew(u,,S2,0)", "OnApiClose()"}));

    CVariant value;
    EXPECT_EQ(bridge.CallByName("WD_JAPI", Args{"getClientVersion"}, value), S_OK);
    EXPECT_EQ(value, CVariant("1001"));
    EXPECT_EQ(bridge.CallByName("missing", Args{}, value), E_NOTIMPL);
    EXPECT_TRUE(value.IsEmpty());
}

TEST(CJSDispatchCom, QueryInterfaceAndTypeInfo)
{
    CJSDispatch bridge(nullptr);
    for (IID iid : {IID_IUnknown, IID_IDispatch}) {
        void* out = nullptr;
        EXPECT_EQ(bridge.QueryInterface(iid, &out), S_OK);
        EXPECT_EQ(out, static_cast<IDispatch*>(&bridge));
    }
    EXPECT_EQ(bridge.RefCount(), 2);
    for (IID iid : {IID_IDocHostUIHandler, IID_IOleClientSite, IID_IWebBrowser2}) {
        void* out = &bridge;
        EXPECT_EQ(bridge.QueryInterface(iid, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_EQ(bridge.QueryInterface(IID_IDispatch, nullptr), E_INVALIDARG);
    EXPECT_EQ(bridge.RefCount(), 2);

    UINT count = 5;
    void* info = nullptr;
    EXPECT_EQ(bridge.GetTypeInfoCount(&count), E_NOTIMPL);
    EXPECT_EQ(bridge.GetTypeInfo(0, 0, &info), E_NOTIMPL);
}

// The script engine's count never ends the bridge; it lives as long as its host.
TEST(CJSDispatchCom, ReleaseNeverDestroys)
{
    RecordingCallbacks callbacks;
    CJSDispatch bridge(&callbacks);
    EXPECT_EQ(bridge.AddRef(), 1u);
    EXPECT_EQ(bridge.Release(), 0u);
    bridge.Release();
    EXPECT_EQ(bridge.RefCount(), -1);
    EXPECT_EQ(bridge.Invoke(1005, {}, nullptr), S_OK);
    EXPECT_EQ(callbacks.calls, Calls{"OnApiClose()"});
}

TEST(CVariantText, ArgumentsReadAsStrings)
{
    EXPECT_EQ(CVariant().ToString(), "");
    EXPECT_EQ(CVariant(static_cast<const char*>(nullptr)).ToString(), "");
    EXPECT_EQ(CVariant("游戏").ToString(), "游戏");
    EXPECT_EQ(CVariant(-12).ToString(), "-12");
    EXPECT_EQ(CVariant(false).ToString(), "false");
    EXPECT_EQ(CVariant(true).Type(), VT_BOOL);
    EXPECT_EQ(CVariant(3).Type(), VT_I4);
}

}  // namespace
}  // namespace velmoor::test

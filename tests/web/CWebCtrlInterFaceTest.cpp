#include "web/CWebCtrlInterFace.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeClientSite.h"
#include "RecordingCallbacks.h"

namespace velmoor::test {
namespace {

// A bridge that reports its own destruction into the shared event list.
class WatchedBridge : public CJSDispatch {
public:
    WatchedBridge(IJSDispatch* target, std::vector<std::string>* events)
        : CJSDispatch(target), m_events(events)
    {
    }
    ~WatchedBridge() override { m_events->push_back("bridge destroyed"); }

private:
    std::vector<std::string>* m_events;
};

// The window's reference on a host object, as the hosting windows hold it.
class HostRef {
public:
    explicit HostRef(bool noScroll = false) : m_host(new CWebCtrlInterFace(noScroll)) { m_host->AddRef(); }
    ~HostRef() { m_host->Release(); }
    HostRef(const HostRef&) = delete;
    HostRef& operator=(const HostRef&) = delete;
    CWebCtrlInterFace* operator->() const { return m_host; }
    CWebCtrlInterFace& operator*() const { return *m_host; }

private:
    CWebCtrlInterFace* m_host;
};

IUnknown* Sentinel()
{
    static FakeClientSite sentinel(false);
    return static_cast<IOleClientSite*>(&sentinel);
}

struct AnswerCase {
    const char* method;
    bool clientSiteMethod;  // from the IOleClientSite table (forwarded to the site, not the handler)
    bool forwarded;         // false: the host answers itself even with a handler
    HRESULT own;            // answer without anything to forward to
    std::function<HRESULT(CWebCtrlInterFace&)> call;
};

std::vector<AnswerCase> AnswerCases()
{
    IUnknown* unk = nullptr;
    IDispatch* disp = nullptr;
    std::optional<std::string> text;
    DOCHOSTUIINFO info;
    MSG msg;
    RECT rect;
    POINT point;
    return {
        {"SaveObject", true, true, E_FAIL, [](auto& h) { return h.SaveObject(); }},
        {"GetMoniker", true, true, E_NOTIMPL, [=](auto& h) mutable { return h.GetMoniker(1, 1, &unk); }},
        {"GetContainer", true, true, E_NOINTERFACE, [=](auto& h) mutable { return h.GetContainer(&unk); }},
        {"ShowObject", true, true, S_OK, [](auto& h) { return h.ShowObject(); }},
        {"OnShowWindow", true, true, S_OK, [](auto& h) { return h.OnShowWindow(1); }},
        {"RequestNewObjectLayout", true, true, E_NOTIMPL, [](auto& h) { return h.RequestNewObjectLayout(); }},
        {"ShowContextMenu", false, false, S_OK,
         [=](auto& h) { return h.ShowContextMenu(0, &point, nullptr, nullptr); }},
        {"GetHostInfo", false, true, S_OK, [=](auto& h) mutable { return h.GetHostInfo(&info); }},
        {"ShowUI", false, true, S_FALSE, [](auto& h) { return h.ShowUI(0, nullptr, nullptr, nullptr, nullptr); }},
        {"HideUI", false, true, E_NOTIMPL, [](auto& h) { return h.HideUI(); }},
        {"UpdateUI", false, true, E_NOTIMPL, [](auto& h) { return h.UpdateUI(); }},
        {"EnableModeless", false, true, E_NOTIMPL, [](auto& h) { return h.EnableModeless(1); }},
        {"OnDocWindowActivate", false, true, E_NOTIMPL, [](auto& h) { return h.OnDocWindowActivate(1); }},
        {"OnFrameWindowActivate", false, true, E_NOTIMPL, [](auto& h) { return h.OnFrameWindowActivate(1); }},
        {"ResizeBorder", false, true, E_NOTIMPL, [=](auto& h) { return h.ResizeBorder(&rect, nullptr, 1); }},
        {"TranslateAccelerator", false, true, E_NOTIMPL,
         [=](auto& h) { return h.TranslateAccelerator(&msg, nullptr, 0); }},
        {"GetOptionKeyPath", false, true, E_NOTIMPL, [=](auto& h) mutable { return h.GetOptionKeyPath(&text, 0); }},
        {"GetDropTarget", false, true, E_NOTIMPL, [=](auto& h) mutable { return h.GetDropTarget(nullptr, &unk); }},
        {"GetExternal", false, true, E_NOTIMPL, [=](auto& h) mutable { return h.GetExternal(&disp); }},
        {"TranslateUrl", false, true, S_FALSE, [=](auto& h) mutable { return h.TranslateUrl(0, "http://a/", &text); }},
        {"FilterDataObject", false, true, S_FALSE,
         [=](auto& h) mutable { return h.FilterDataObject(nullptr, &unk); }},
    };
}

enum class Default { None, SiteOnly, SiteAndHandler };

HRESULT ExpectedAnswer(const AnswerCase& c, Default config)
{
    const bool reaches = c.forwarded && ((config == Default::SiteOnly && c.clientSiteMethod) ||
                                         config == Default::SiteAndHandler);
    return reaches ? kSiteAnswer : c.own;
}

TEST(CWebCtrlInterFaceAnswers, OwnOrForwardedByDefaultSiteAndHandler)
{
    for (Default config : {Default::None, Default::SiteOnly, Default::SiteAndHandler}) {
        FakeClientSite site(config == Default::SiteAndHandler);
        HostRef host;
        if (config != Default::None) {
            host->SetDefaultClientSite(&site);
        }
        for (const AnswerCase& c : AnswerCases()) {
            SCOPED_TRACE(std::string(c.method) + " config " + std::to_string(static_cast<int>(config)));
            site.calls.clear();
            EXPECT_EQ(c.call(*host), ExpectedAnswer(c, config));
            EXPECT_EQ(site.Called(c.method), ExpectedAnswer(c, config) == kSiteAnswer);
        }
        host->SetDefaultClientSite(nullptr);
    }
}

// Without a default site the out pointers are cleared, and a null out pointer is never written.
TEST(CWebCtrlInterFaceAnswers, OwnAnswersClearOnlyWritableOutPointers)
{
    HostRef host;
    IUnknown* unk = Sentinel();
    EXPECT_EQ(host->GetMoniker(1, 1, &unk), E_NOTIMPL);
    EXPECT_EQ(unk, nullptr);
    unk = Sentinel();
    EXPECT_EQ(host->GetContainer(&unk), E_NOINTERFACE);
    EXPECT_EQ(unk, nullptr);
    unk = Sentinel();
    EXPECT_EQ(host->GetDropTarget(Sentinel(), &unk), E_NOTIMPL);
    EXPECT_EQ(unk, nullptr);
    unk = Sentinel();
    EXPECT_EQ(host->FilterDataObject(Sentinel(), &unk), S_FALSE);
    EXPECT_EQ(unk, nullptr);

    IDispatch* disp = reinterpret_cast<IDispatch*>(Sentinel());
    EXPECT_EQ(host->GetExternal(&disp), E_NOTIMPL);
    EXPECT_EQ(disp, nullptr);

    std::optional<std::string> text = "left over";
    EXPECT_EQ(host->GetOptionKeyPath(&text, 0), E_NOTIMPL);
    EXPECT_FALSE(text.has_value());
    text = "left over";
    EXPECT_EQ(host->TranslateUrl(0, "http://a/", &text), S_FALSE);
    EXPECT_FALSE(text.has_value());

    EXPECT_EQ(host->GetMoniker(1, 1, nullptr), E_NOTIMPL);
    EXPECT_EQ(host->GetContainer(nullptr), E_NOINTERFACE);
    EXPECT_EQ(host->GetDropTarget(nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(host->FilterDataObject(nullptr, nullptr), S_FALSE);
    EXPECT_EQ(host->GetExternal(nullptr), E_NOTIMPL);
    EXPECT_EQ(host->GetOptionKeyPath(nullptr, 0), E_NOTIMPL);
    EXPECT_EQ(host->TranslateUrl(0, "", nullptr), S_FALSE);
}

TEST(CWebCtrlInterFaceAnswers, ForwardedDropTargetRefusalBecomesFailure)
{
    struct Case {
        HRESULT handlerAnswer;
        HRESULT seen;
    };
    for (Case c : {Case{S_FALSE, E_FAIL}, Case{S_OK, S_OK}, Case{E_NOTIMPL, E_NOTIMPL}}) {
        FakeClientSite site(true);
        site.answer = c.handlerAnswer;
        HostRef host;
        host->SetDefaultClientSite(&site);
        IUnknown* out = nullptr;
        EXPECT_EQ(host->GetDropTarget(nullptr, &out), c.seen) << c.handlerAnswer;
        host->SetDefaultClientSite(nullptr);
    }
}

TEST(CWebCtrlInterFaceHostInfo, NoBorderAndScrollBarsByFlag)
{
    struct Case {
        bool noScroll;
        DWORD flags;
    };
    for (Case c : {Case{false, 4u}, Case{true, 12u}}) {
        HostRef host(c.noScroll);
        DOCHOSTUIINFO info;
        info.dwDoubleClick = 7;
        info.pchHostCss = "css";
        info.pchHostNS = "ns";
        ASSERT_EQ(host->GetHostInfo(&info), S_OK);
        EXPECT_EQ(info.cbSize, 20u);
        EXPECT_EQ(info.dwFlags, c.flags);
        EXPECT_EQ(info.dwDoubleClick, DOCHOSTUIDBLCLK_DEFAULT);
        EXPECT_EQ(info.pchHostCss, "css");
        EXPECT_EQ(info.pchHostNS, "ns");
    }
}

TEST(CWebCtrlInterFaceHostInfo, NullRecordIsRejected)
{
    HostRef host;
    EXPECT_EQ(host->GetHostInfo(nullptr), E_INVALIDARG);
}

TEST(CWebCtrlInterFaceExternal, HandsOutTheBridgeWithOneMoreReferenceEachTime)
{
    FakeClientSite site(true);
    RecordingCallbacks callbacks;
    HostRef host;
    host->SetExternal(std::make_unique<CJSDispatch>(&callbacks));
    host->SetDefaultClientSite(&site);

    IDispatch* first = nullptr;
    IDispatch* second = nullptr;
    ASSERT_EQ(host->GetExternal(&first), S_OK);
    ASSERT_EQ(host->GetExternal(&second), S_OK);
    EXPECT_EQ(first, host->External());
    EXPECT_EQ(second, host->External());
    EXPECT_EQ(host->External()->RefCount(), 2);
    EXPECT_FALSE(site.Called("GetExternal"));

    EXPECT_EQ(host->GetExternal(nullptr), E_INVALIDARG);
    EXPECT_EQ(host->External()->RefCount(), 2);

    std::string result;
    EXPECT_TRUE(first->CallByName("wd_japi", std::vector<std::string>{"getClientVersion"}, result));
    EXPECT_EQ(result, "1001");
    host->SetDefaultClientSite(nullptr);
}

// --- QueryInterface and references ---------------------------------------------------------

TEST(CWebCtrlInterFaceQueryInterface, AnswersItsTwoInterfacesOnly)
{
    struct Case {
        IID iid;
        HRESULT hr;
        int which;  // 0 none, 1 client site part, 2 UI handler part
    };
    const Case cases[] = {
        {IID_IUnknown, S_OK, 1},
        {IID_IOleClientSite, S_OK, 1},
        {IID_IDocHostUIHandler, S_OK, 2},
        {IID_IDispatch, E_NOINTERFACE, 0},
        {IID_IOleInPlaceSite, E_NOINTERFACE, 0},
        {IID_IOleControlSite, E_NOINTERFACE, 0},
        {IID_IWebBrowser2, E_NOINTERFACE, 0},
    };
    HostRef host;
    void* const parts[] = {nullptr, static_cast<IOleClientSite*>(&*host),
                           static_cast<IDocHostUIHandler*>(&*host)};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.iid));
        // Asked through either interface, the object answers the same.
        IUnknown* through[] = {static_cast<IOleClientSite*>(&*host), static_cast<IDocHostUIHandler*>(&*host)};
        for (IUnknown* unk : through) {
            void* out = Sentinel();
            EXPECT_EQ(unk->QueryInterface(c.iid, &out), c.hr);
            EXPECT_EQ(out, parts[c.which]);
            if (c.hr == S_OK) {
                EXPECT_EQ(host->Release(), 1u);  // the answer carried a reference
            }
        }
    }
    EXPECT_EQ(host->QueryInterface(IID_IUnknown, nullptr), E_INVALIDARG);
    EXPECT_EQ(host->AddRef(), 2u);  // nothing was taken by the failed calls
    host->Release();
}

TEST(CWebCtrlInterFaceLifetime, BothInterfacesShareOneCount)
{
    auto* host = new CWebCtrlInterFace(false);
    IDocHostUIHandler* handler = host;
    EXPECT_EQ(host->AddRef(), 1u);
    EXPECT_EQ(handler->AddRef(), 2u);
    EXPECT_EQ(handler->Release(), 1u);
    EXPECT_EQ(host->Release(), 0u);
}

TEST(CWebCtrlInterFaceLifetime, LastReleaseDestroysBridgeAndReleasesDefaultsOnce)
{
    std::vector<std::string> events;
    for (bool offersHandler : {false, true}) {
        SCOPED_TRACE(offersHandler);
        events.clear();
        FakeClientSite site(offersHandler, &events);
        site.refs = 1;  // the framework's own reference
        RecordingCallbacks callbacks;

        auto* host = new CWebCtrlInterFace(false);
        host->SetExternal(std::make_unique<WatchedBridge>(&callbacks, &events));
        host->AddRef();  // the window
        host->SetDefaultClientSite(&site);
        EXPECT_EQ(site.refs, offersHandler ? 3 : 2);
        EXPECT_EQ(host->DefaultUIHandler() != nullptr, offersHandler);
        host->AddRef();  // the control

        host->External()->Release();  // script engines may over-release: no effect
        EXPECT_EQ(host->Release(), 1u);
        EXPECT_TRUE(events.empty());
        EXPECT_EQ(host->Release(), 0u);

        EXPECT_EQ(site.refs, 1);
        std::vector<std::string> expected(offersHandler ? 2 : 1, "site released");
        expected.push_back("bridge destroyed");
        EXPECT_EQ(events, expected);
    }
}

TEST(CWebCtrlInterFaceDefaultSite, NullOrAnotherSiteLetsThePreviousOneGo)
{
    FakeClientSite first(true);
    FakeClientSite second(false);
    HostRef host;

    host->SetDefaultClientSite(&first);
    EXPECT_EQ(first.refs, 2);
    host->SetDefaultClientSite(&second);
    EXPECT_EQ(first.refs, 0);
    EXPECT_EQ(second.refs, 1);
    EXPECT_EQ(host->DefaultClientSite(), &second);
    EXPECT_EQ(host->DefaultUIHandler(), nullptr);

    host->SetDefaultClientSite(&second);  // the same site again keeps exactly one reference
    EXPECT_EQ(second.refs, 1);

    host->SetDefaultClientSite(nullptr);
    EXPECT_EQ(second.refs, 0);
    EXPECT_EQ(host->DefaultClientSite(), nullptr);
    EXPECT_EQ(host->SaveObject(), E_FAIL);
}

}  // namespace
}  // namespace velmoor::test

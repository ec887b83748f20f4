#pragma once
// The COM vocabulary the browser host and the script bridge are written in. The web engine
// adapter speaks to these objects in the same shapes a browser control would: result codes,
// interface ids, dispatch ids and out pointers that may be null ("not writable").
#include <cstdint>

#include "platform/WinTypes.h"

namespace velmoor {

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using LONG = std::int32_t;
using WORD = std::uint16_t;
using LCID = std::uint32_t;
using DISPID = std::int32_t;

constexpr HRESULT MakeHresult(std::uint32_t bits) { return static_cast<HRESULT>(bits); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHresult(0x80004001u);
constexpr HRESULT E_NOINTERFACE = MakeHresult(0x80004002u);
constexpr HRESULT E_POINTER = MakeHresult(0x80004003u);
constexpr HRESULT E_FAIL = MakeHresult(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = MakeHresult(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = MakeHresult(0x80070057u);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeHresult(0x80020003u);
constexpr HRESULT DISP_E_UNKNOWNNAME = MakeHresult(0x80020006u);
constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeHresult(0x8002000Eu);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// Interface ids. Only identity matters here, so an enumeration stands in for the GUIDs.
enum class IID : std::uint16_t {
    Unknown,
    Dispatch,
    OleClientSite,
    DocHostUIHandler,
    WebBrowser2,
    OleObject,
    OleInPlaceActiveObject,
    OleInPlaceSite,
    OleControlSite,
    HTMLDocument2,
    Null,
};

constexpr IID IID_IUnknown = IID::Unknown;
constexpr IID IID_IDispatch = IID::Dispatch;
constexpr IID IID_IOleClientSite = IID::OleClientSite;
constexpr IID IID_IDocHostUIHandler = IID::DocHostUIHandler;
constexpr IID IID_IWebBrowser2 = IID::WebBrowser2;
constexpr IID IID_IOleObject = IID::OleObject;
constexpr IID IID_IOleInPlaceActiveObject = IID::OleInPlaceActiveObject;
constexpr IID IID_IOleInPlaceSite = IID::OleInPlaceSite;
constexpr IID IID_IOleControlSite = IID::OleControlSite;
constexpr IID IID_IHTMLDocument2 = IID::HTMLDocument2;
constexpr IID IID_NULL = IID::Null;

// IDispatch::Invoke flags.
constexpr WORD DISPATCH_METHOD = 1;
constexpr WORD DISPATCH_PROPERTYGET = 2;
constexpr WORD DISPATCH_PROPERTYPUT = 4;

constexpr DISPID DISPID_UNKNOWN = -1;

}  // namespace velmoor

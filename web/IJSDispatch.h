#pragma once
#include <string>

namespace velmoor {

// What page script can ask of the window that shows the page, through `window.external`
// (CJSDispatch turns the script calls into these). Every operation does nothing by default, so a
// window overrides only the requests it serves.
class IJSDispatch {
public:
    virtual ~IJSDispatch() = default;

    // OpenGameWindowNew(a1, a2, a3, a4): the first three script arguments; `reserved` is always 0.
    virtual void OnOpenGameWindowNew(const std::string& a1, const std::string& a2,
                                     const std::string& a3, int reserved) {}
    virtual void OnOpenGame(const std::string& param) {}
    virtual void OnAccountRegisterSuccess(const std::string& param) {}
    virtual void OnShowIM(const std::string& param) {}
    virtual void OnApiClose() {}
    virtual void OnDialogBoxTopInfo(const std::string& param) {}
    virtual void OnOpenPay(const std::string& param) {}
    virtual void OnClosedBox() {}
};

}  // namespace velmoor

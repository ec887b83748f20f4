#pragma once
#include <string>
#include <vector>

#include "web/IJSDispatch.h"

namespace velmoor::test {

// Writes every callback as "Name(arg,...)" so a test can compare whole call sequences.
class RecordingCallbacks : public IJSDispatch {
public:
    std::vector<std::string> calls;

    void OnOpenGameWindowNew(const std::string& a1, const std::string& a2, const std::string& a3,
                             int reserved) override
    {
        calls.push_back("OnOpenGameWindowNew(" + a1 + "," + a2 + "," + a3 + "," +
                        std::to_string(reserved) + ")");
    }
    void OnOpenGame(const std::string& p) override { calls.push_back("OnOpenGame(" + p + ")"); }
    void OnAccountRegisterSuccess(const std::string& p) override
    {
        calls.push_back("OnAccountRegisterSuccess(" + p + ")");
    }
    void OnShowIM(const std::string& p) override { calls.push_back("OnShowIM(" + p + ")"); }
    void OnApiClose() override { calls.push_back("OnApiClose()"); }
    void OnDialogBoxTopInfo(const std::string& p) override
    {
        calls.push_back("OnDialogBoxTopInfo(" + p + ")");
    }
    void OnOpenPay(const std::string& p) override { calls.push_back("OnOpenPay(" + p + ")"); }
    void OnClosedBox() override { calls.push_back("OnClosedBox()"); }
};

}  // namespace velmoor::test

#include "platform/MessageBox.h"

#include "platform/CPlatform.h"
#include "platform/CWinApp.h"

namespace velmoor {

int MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    int answer = IDCANCEL;
    Platform().RunOnUiThread([&] { answer = Platform().ShowMessageBox(text, caption, type); });
    return answer;
}

int AfxMessageBox(const std::string& text, UINT type)
{
    const CWinApp* app = AfxGetApp();
    return MessageBox(text, app ? app->m_appTitle : std::string(), type);
}

}  // namespace velmoor

#include "platform/CWinApp.h"

#include "platform/CPlatform.h"
#include "platform/CWnd.h"

namespace velmoor {

namespace {
CWinApp* g_app = nullptr;

std::string TitleFromPath(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}
}  // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

int CWinApp::Run(const std::vector<std::string>& argv)
{
    m_argv = argv;
    m_lpCmdLine.clear();
    for (std::size_t i = 1; i < argv.size(); ++i) {
        if (i > 1)
            m_lpCmdLine += ' ';
        m_lpCmdLine += argv[i];
    }
    if (m_appTitle.empty() && !argv.empty())
        m_appTitle = TitleFromPath(argv[0]);
    if (!InitInstance())
        return ExitInstance();
    // Without a main window there is nothing to run the loop for.
    if (m_pMainWnd == nullptr || !m_pMainWnd->IsWindow()) {
        ExitInstance();
        return 1;
    }
    Platform().SetMainWindow(m_pMainWnd->GetSafeHwnd());
    Platform().RunMessageLoop();
    return ExitInstance();
}

}  // namespace velmoor

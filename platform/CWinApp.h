#pragma once
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace velmoor {

class CWnd;

// The application object: start-up in InitInstance, the message loop while the main window
// lives, shut-down in ExitInstance.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    // Runs the application with the process's arguments and returns the exit code.
    int Run(const std::vector<std::string>& argv);

    // The text after the program name: the arguments joined by single spaces.
    std::string m_lpCmdLine;
    // The arguments as split, the program name first.
    std::vector<std::string> m_argv;
    // The program file's name without extension: the caption of framework message boxes.
    std::string m_appTitle;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

}  // namespace velmoor

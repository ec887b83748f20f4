#include "app/CKestrel.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <unistd.h>

#include "app/CSelfInstaller.h"
#include "app/CommandLine.h"
#include "platform/CPlatform.h"
#include "ui/launcher/CMainWnd.h"

namespace velmoor {

namespace {

void OnFatalSignal(int)
{
    // Only async-signal-safe calls here: the process is in an unknown state.
    const char code[] = "5";
    ssize_t written = write(STDOUT_FILENO, code, 1);
    (void)written;
    _exit(5);
}

}  // namespace

void InstallFatalSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
        sigaction(sig, &action, nullptr);
}

CKestrel::CKestrel()
    : Sleep([](std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }),
      Exit([](int code) { std::exit(code); })
{
}

bool CKestrel::InstallSelf()
{
    CSelfInstaller installer;
    return installer.Run(m_commandWord);
}

BOOL CKestrel::InitInstance()
{
    InstallFatalSignalHandlers();
    const StartRequest request = ParseCommandLine(m_lpCmdLine, m_argv);
    m_commandWord = request.commandWord;
    if (request.delayMs > 0)
        Sleep(request.delayMs);
    if (m_commandWord != "ns" && !InstallSelf()) {
        Exit(0);
        return FALSE;
    }
    if (!HasDisplay) {
        std::fputs("velmoor: cannot open the display\n", stderr);
        Exit(1);
        return FALSE;
    }
    const bool hidden = m_commandWord == "-hh";
    auto* launcher = new CMainWnd(hidden ? CMainWnd::kStartHidden : CMainWnd::kStartNormal);  // deletes itself
    m_pMainWnd = launcher;
    if (!launcher->IsWindow())
        return TRUE;
    // Termination and the end of the session close the launcher as the tray's exit does, so the
    // settings are saved and the boss key released.
    Platform().SetSessionEndHandler([] {
        if (g_pMainWnd != nullptr && g_pMainWnd->IsWindow()) {
            g_pMainWnd->ExitRequested = 1;
            g_pMainWnd->SendMessage(WM_CLOSE);
        }
    });
    launcher->ShowWindow(hidden ? SW_HIDE : SW_SHOW);
    launcher->UpdateWindow();
    return TRUE;
}

int CKestrel::ExitInstance()
{
    Platform().SetSessionEndHandler({});
    return 0;
}

}  // namespace velmoor

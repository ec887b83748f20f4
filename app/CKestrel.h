#pragma once
#include <functional>
#include <string>

#include "platform/CWinApp.h"

namespace velmoor {

// The application object: fault handlers, the command word, the installation check, and the
// launcher as the main window.
class CKestrel : public CWinApp {
public:
    CKestrel();

    BOOL InitInstance() override;
    int ExitInstance() override;
    bool InstallSelf();

    const std::string& CommandWord() const { return m_commandWord; }
    // Tests replace the start delay's sleep and the process exit of an installer run.
    std::function<void(std::uint32_t ms)> Sleep;
    std::function<void(int code)> Exit;
    // False when no display could be opened: an installation still runs, a launcher does not.
    bool HasDisplay = true;

private:
    std::string m_commandWord;
};

// Writes "5" to standard output and ends the process when a fault escapes everything else.
void InstallFatalSignalHandlers();

}  // namespace velmoor

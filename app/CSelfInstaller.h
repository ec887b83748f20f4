#pragma once
#include <string>

namespace velmoor {

// The installation check and the self-installation. For now only the check: a program whose
// "static.ini" next to it has "inner" = "1" is the installed copy; any other program also runs
// on in place (nothing is installed yet).
class CSelfInstaller {
public:
    // True when this run goes on as a normal run; false when an installation was done and the
    // process is to end.
    bool Run(const std::string& commandWord);
    // "inner" of the "static.ini" in `programFolder`, read as the installation check reads it.
    static bool IsInstalledCopy(const std::string& programFolder);
};

}  // namespace velmoor

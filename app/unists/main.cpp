// The uninstaller: removes the installation it lies in, as its uninstall list names it.
// Exit codes: 0 removed, 1 not confirmed, 2 not an installation (nothing removed).
#include <clocale>
#include <cstdio>
#include <string_view>

#include "app/CInstallLayout.h"
#include "app/CUninstallList.h"
#include "app/InstallNames.h"
#include "app/unists/CRunningProgram.h"
#include "app/unists/CUninstaller.h"
#include "app/unists/ConfirmUninstall.h"
#include "support/FileUtils.h"

namespace {

bool IsQuietFlag(std::string_view word)
{
    return word == "/s" || word == "/S" || word == "-q" || word == "--quiet";
}

}  // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    bool quiet = false;
    for (int i = 1; i < argc; ++i)
        quiet = quiet || IsQuietFlag(argv[i]);
    const velmoor::CUninstaller uninstaller(velmoor::GetProgramFolder(), velmoor::CInstallLayout::FromEnvironment());
    velmoor::CUninstallList list;
    if (!uninstaller.IsInstallFolder() || !list.Load(uninstaller.ListPath())) {
        std::fputs("unists: no Velmoor installation here\n", stderr);
        return 2;
    }
    if (!quiet && !velmoor::ConfirmUninstall())
        return 1;
    const std::string program = velmoor::GetProgramFolder() + velmoor::kInstalledProgramName;
    velmoor::CRunningProgram(program).EndAll(5000);
    uninstaller.RemoveAll(list);
    if (!quiet)
        velmoor::ShowUninstallDone();
    return 0;
}

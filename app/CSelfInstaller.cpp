#include "app/CSelfInstaller.h"

#include "app/CIniFile.h"
#include "support/FileUtils.h"

namespace velmoor {

bool CSelfInstaller::IsInstalledCopy(const std::string& programFolder)
{
    if (programFolder.empty())
        return false;
    return CIniFile::GetString(programFolder + "static.ini", "tavu", "inner", "", 100) == "1";
}

bool CSelfInstaller::Run(const std::string&)
{
    if (IsInstalledCopy(GetProgramFolder()))
        return true;
    return true;
}

}  // namespace velmoor

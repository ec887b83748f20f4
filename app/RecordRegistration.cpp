#include "app/RecordRegistration.h"

#include "app/CIniFile.h"
#include "support/UserFolders.h"

namespace velmoor {

bool RecordRegistration()
{
    const std::string folder = GetUserDataFolder();
    if (folder.empty())
        return false;
    return CIniFile::WriteString(folder + "data.dat", "account", "reg", "1");
}

}  // namespace velmoor

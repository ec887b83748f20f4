#include "app/SplitInstallerName.h"

namespace velmoor {

void SplitInstallerName(const std::string& fileName, std::string& uid, std::string& suid)
{
    const std::string stem = fileName.substr(0, fileName.rfind('.'));
    const auto underscore = stem.find('_');
    if (underscore == std::string::npos) {
        uid = stem;
        suid.clear();
        return;
    }
    uid = stem.substr(0, underscore);
    suid = stem.substr(underscore + 1);
}

}  // namespace velmoor

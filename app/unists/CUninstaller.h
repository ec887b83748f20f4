#pragma once
#include <string>

#include "app/CInstallLayout.h"
#include "app/CUninstallList.h"

namespace velmoor {

// Removes an installation as its uninstall list names it, but only within what an installation
// owns: files directly in the install folder, the two links in the menu links folder and the one
// on the desktop, the list's own folder, the empty menu folders, the key store's entry, the
// install folder and the icon. Items naming anything else are passed over, so an edited list
// cannot remove a user's files.
class CUninstaller {
public:
    // `installFolder` is the uninstaller's own folder, ending in "/"; `layout` gives the user's
    // menu, desktop, icon and key store.
    CUninstaller(std::string installFolder, CInstallLayout layout);

    // The folder really is an install folder ("…/gamenest/vuvedaredod/").
    bool IsInstallFolder() const;
    // "unist/Unist.xml" in the install folder.
    std::string ListPath() const;
    // Removes what the items name, in list order, then the icon.
    void RemoveAll(const CUninstallList& list) const;
    // Removes one item; false when it was refused or could not be removed.
    bool Remove(const __UNISTINFO& item) const;

private:
    bool RemoveFile(const std::string& path) const;
    bool RemoveListFolder(const std::string& path) const;
    bool RemoveMenuFolders(const std::string& name) const;
    bool RemoveKey(const std::string& name) const;
    bool RemoveInstallFolder(const std::string& name) const;
    bool IsOwnLink(const std::string& folder, const std::string& name) const;

    std::string m_installFolder;  // resolved, without the trailing "/"
    CInstallLayout m_layout;
};

}  // namespace velmoor

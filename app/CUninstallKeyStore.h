#pragma once
#include <string>

namespace velmoor {

// The per-user key store standing in for the registry's uninstall entries: one initialization
// file whose sections are named by key paths ("SOFTWARE\...\Uninstall\vuvedaredod") and hold the
// key's text values in the order they were first set. Key paths match without regard to ASCII
// case, as registry keys do.
class CUninstallKeyStore {
public:
    explicit CUninstallKeyStore(std::string path) : m_path(std::move(path)) {}

    // Makes the store's folder exist. False when the path is unknown or the folder cannot be made.
    bool CreateKey() const;
    // Sets one text value of `key`, creating the key. False when it cannot be stored.
    bool SetValue(const std::string& key, const std::string& name, const std::string& data) const;
    // Removes `key` with all its values; the file goes when nothing else is left in it. True when
    // the key is gone afterwards (also when it never existed).
    bool RemoveKey(const std::string& key) const;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace velmoor

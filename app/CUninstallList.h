#pragma once
#include <string>
#include <vector>

namespace velmoor {

// One item of the uninstall list: a path or name, and what kind of thing it names.
struct __UNISTINFO {
    std::string text;
    int type = 0;
};

// The items the installation records for the uninstaller, in the order they were added, and
// their file "Unist.xml": a root "unist" with one "Node" per item holding "Name" (the text) and
// "Type" (the type in decimal), UTF-8.
class CUninstallList {
public:
    // Appends an item unless its text is empty.
    void Add(const std::string& text, int type);
    const std::vector<__UNISTINFO>& Items() const { return m_items; }

    // Writes the whole list to `path`, replacing an earlier file in one step. False when it
    // cannot be written.
    bool Save(const std::string& path) const;
    // Reads the list from `path`. False, with no items, when the file cannot be read or is not
    // a list; nodes that are not well formed items are skipped.
    bool Load(const std::string& path);

private:
    std::vector<__UNISTINFO> m_items;
};

}  // namespace velmoor

#pragma once
#include <string>

namespace velmoor {

// Removes everything below `folder` but not `folder` itself (which may be a link to the folder
// to empty). Unless `deleteAll` is set, entries
// named "desktop.ini" (any letter case) stay, at every depth, and so do the folders holding them.
// Symbolic links are removed as links: their targets and whatever lies below them are never
// touched. Read-only files go too; a subfolder that forbids listing or removing its entries is
// made accessible to its owner first. Failures of single removals are ignored.
// Returns false when `folder` cannot be opened for listing, else true.
bool DeleteFolderContents(const std::string& folder, bool deleteAll);

}  // namespace velmoor

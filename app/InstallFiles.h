#pragma once
#include <span>
#include <string>
#include <vector>

namespace velmoor {

// File steps of the installation. Each reports success by its result and never throws.

// Creates the folder `path` (its parent must exist) unless something is there already.
bool MakeFolder(const std::string& path);

// Copies the file `from` to `to` as an executable, never replacing anything at `to`: the copy is
// made beside it and only then linked into place, so `to` is either absent or whole.
bool CopyFileNoReplace(const std::string& from, const std::string& to);

// Writes `bytes` to `path` as an executable, replacing an existing file in one step.
bool WriteExecutable(const std::string& path, std::span<const unsigned char> bytes);

// Starts `file` with `parameters` (split at white space, as a command line would be) in a
// process of its own with `folder` as its working folder, detached from this one so that it
// lives on when the installer ends. False when it cannot be started.
bool StartDetached(const std::string& file, const std::string& parameters, const std::string& folder);

// `text` split at runs of white space.
std::vector<std::string> SplitParameters(const std::string& text);

}  // namespace velmoor

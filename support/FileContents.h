#pragma once
#include <string>
#include <string_view>

namespace velmoor {

// Whole-file reading and crash-safe replacement.

enum class ReadResult {
    Ok,
    Missing,     // nothing at the path (or a folder on the way is missing)
    Unreadable,  // exists but cannot be read, or is not a regular file
};

// Reads the regular file at `path` completely into `content` (cleared first).
ReadResult ReadWholeFile(const std::string& path, std::string& content);

// Replaces the file at `path` by `content` so that it holds either the old or the new bytes,
// never a part: writes a temporary file in the same folder, flushes it to disk and renames it
// over the old one. An existing file keeps its permission bits (new files get 0666 less the
// umask), and a symbolic link keeps pointing at the file, which is replaced where it lies.
// False, with the old file intact and no temporary file left, when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace velmoor

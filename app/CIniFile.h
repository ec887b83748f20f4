#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace velmoor {

// The program's initialization files ("static.ini", "data.dat"): "[section]" lines, then one
// "key=value" line per key. Section and key names match without regard to ASCII case and the
// first match wins; names and values are trimmed of surrounding white space; lines starting
// with ";" are comments. Files are UTF-8, a byte-order mark is skipped and kept, and CRLF files
// read and stay CRLF.
//
// Reads never fail: a missing or unreadable file, section or key, and a value that is not valid
// UTF-8 or holds a zero byte, read as the default. Writes replace the file atomically (temporary
// file in the same folder, flushed to disk, renamed over the old one), so a crash or a failed
// write leaves the old file whole; every other line stays as it was.
class CIniFile {
public:
    // The value, or `def` when absent, cut like a reading buffer of `bufferChars` characters:
    // at most bufferChars - 1 code points, never inside a UTF-8 sequence.
    static std::string GetString(const std::string& path, std::string_view section,
                                 std::string_view key, const std::string& def, int bufferChars);

    // The value as a decimal integer: optional sign, then digits up to the first other
    // character; no digits give 0; values beyond the int range saturate. `def` when the key is
    // absent or its value empty.
    static int GetInt(const std::string& path, std::string_view section, std::string_view key,
                      int def);

    // Sets the key's value: replaces the first matching key in place, else appends the key at
    // the end of the first matching section, else appends the section. The first write creates
    // the file (its folder must exist). False, with the file untouched, when the file cannot be
    // read or written, is read-only, or a name or value cannot be stored on one line (a line
    // break or zero byte, a "=" or "]" in a name, a key starting with "[" or ";", invalid UTF-8).
    static bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                            std::string_view value);

    // The raw value of the key, if present and readable. Exposed for callers that need to tell
    // "absent" from "empty".
    static std::optional<std::string> FindValue(const std::string& path, std::string_view section,
                                                std::string_view key);
};

}  // namespace velmoor

#pragma once
#include <string>

namespace velmoor {

// A freedesktop ".desktop" launcher: what a shell link is on this platform. It starts one
// program file, without arguments.
class CDesktopLink {
public:
    CDesktopLink(std::string name, std::string target, std::string icon)
        : m_name(std::move(name)), m_target(std::move(target)), m_icon(std::move(icon)) {}

    // The file's text.
    std::string Text() const;
    // Writes the link to `path` (replacing it in one step) and makes it executable, which
    // desktops require before they start a launcher file; `trusted` also marks it trusted for
    // file managers that ask. False when it cannot be written.
    bool Save(const std::string& path, bool trusted) const;

    // `path` as one argument of an Exec line, quoted and escaped.
    static std::string ExecArgument(const std::string& path);
    // `text` escaped as a string value of a desktop entry.
    static std::string EscapeValue(const std::string& text);

private:
    std::string m_name;
    std::string m_target;
    std::string m_icon;
};

}  // namespace velmoor

#include "app/CDesktopLink.h"

#include "support/FileContents.h"

#include <gio/gio.h>
#include <sys/stat.h>

#include <memory>

namespace velmoor {

namespace {

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

// GNOME's file manager starts a desktop launcher only once it is marked trusted; elsewhere the
// attribute is unknown and the call fails harmlessly.
void MarkTrusted(const std::string& path)
{
    const std::unique_ptr<GFile, ObjectUnref> file(g_file_new_for_path(path.c_str()));
    GError* error = nullptr;
    if (!g_file_set_attribute_string(file.get(), "metadata::trusted", "true", G_FILE_QUERY_INFO_NONE,
                                     nullptr, &error))
        g_clear_error(&error);
}

}  // namespace

std::string CDesktopLink::ExecArgument(const std::string& path)
{
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CDesktopLink::EscapeValue(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\n': escaped += "\\n"; break;
        case '\t': escaped += "\\t"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c;
        }
    }
    if (!escaped.empty() && escaped[0] == ' ')
        escaped.replace(0, 1, "\\s");
    return escaped;
}

std::string CDesktopLink::Text() const
{
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Version=1.0\n";
    text += "Name=" + EscapeValue(m_name) + "\n";
    text += "Exec=" + EscapeValue(ExecArgument(m_target)) + "\n";
    if (!m_icon.empty())
        text += "Icon=" + EscapeValue(m_icon) + "\n";
    text += "Terminal=false\n"
            "Categories=Game;\n";
    return text;
}

bool CDesktopLink::Save(const std::string& path, bool trusted) const
{
    if (!WriteFileAtomically(path, Text()) || ::chmod(path.c_str(), 0755) != 0)
        return false;
    if (trusted)
        MarkTrusted(path);
    return true;
}

}  // namespace velmoor

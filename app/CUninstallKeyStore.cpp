#include "app/CUninstallKeyStore.h"

#include "app/CIniFile.h"
#include "support/FileContents.h"
#include "support/FileUtils.h"
#include "support/TextUtils.h"

#include <glib.h>
#include <unistd.h>

#include <sstream>

namespace velmoor {

namespace {

// The section name of a "[name]" line, or nothing for any other line.
bool SectionName(std::string_view line, std::string_view& name)
{
    line = TrimWhiteSpace(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    name = TrimWhiteSpace(line.substr(1, line.size() - 2));
    return true;
}

// `text` without the lines of section `key`; `found` tells whether it was there.
std::string WithoutSection(const std::string& text, const std::string& key, bool& found, bool& anyLeft)
{
    std::istringstream lines(text);
    std::string line, kept;
    bool dropping = false;
    found = anyLeft = false;
    while (std::getline(lines, line)) {
        std::string_view name;
        if (SectionName(line, name))
            dropping = EqualsIgnoreAsciiCase(name, key);
        if (dropping) {
            found = true;
            continue;
        }
        anyLeft = anyLeft || !TrimWhiteSpace(line).empty();
        kept += line + "\n";
    }
    return kept;
}

}  // namespace

bool CUninstallKeyStore::CreateKey() const
{
    const auto slash = m_path.rfind('/');
    if (m_path.empty() || slash == std::string::npos || slash == 0)
        return false;
    const std::string folder = m_path.substr(0, slash);
    return PathExists(folder) || g_mkdir_with_parents(folder.c_str(), 0700) == 0;
}

bool CUninstallKeyStore::SetValue(const std::string& key, const std::string& name,
                                  const std::string& data) const
{
    return !m_path.empty() && CIniFile::WriteString(m_path, key, name, data);
}

bool CUninstallKeyStore::RemoveKey(const std::string& key) const
{
    std::string text;
    const ReadResult read = ReadWholeFile(m_path, text);
    if (read == ReadResult::Missing)
        return true;
    if (read != ReadResult::Ok)
        return false;
    bool found = false, anyLeft = false;
    const std::string kept = WithoutSection(text, key, found, anyLeft);
    if (!found)
        return true;
    if (!anyLeft)
        return ::unlink(m_path.c_str()) == 0;
    return WriteFileAtomically(m_path, kept);
}

}  // namespace velmoor

#include "app/CUninstallList.h"

#include "support/DecimalText.h"
#include "support/FileContents.h"

#include <pugixml.hpp>

#include <sstream>

namespace velmoor {

namespace {

bool IsDecimal(std::string_view text)
{
    std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() <= start || text.size() > 10)
        return false;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

}  // namespace

void CUninstallList::Add(const std::string& text, int type)
{
    if (!text.empty())
        m_items.push_back({text, type});
}

bool CUninstallList::Save(const std::string& path) const
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("unist");
    if (!root)
        return false;
    for (const __UNISTINFO& item : m_items) {
        pugi::xml_node node = root.append_child("Node");
        node.append_child("Name").text().set(item.text.c_str());
        node.append_child("Type").text().set(std::to_string(item.type).c_str());
    }
    std::ostringstream text;
    document.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
    return WriteFileAtomically(path, text.str());
}

bool CUninstallList::Load(const std::string& path)
{
    m_items.clear();
    std::string text;
    if (ReadWholeFile(path, text) != ReadResult::Ok)
        return false;
    pugi::xml_document document;
    if (!document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8))
        return false;
    const pugi::xml_node root = document.child("unist");
    if (!root)
        return false;
    for (const pugi::xml_node node : root.children("Node")) {
        const std::string name = node.child("Name").text().get();
        const std::string type = node.child("Type").text().get();
        if (!name.empty() && IsDecimal(type))
            m_items.push_back({name, ParseLeadingInt(type)});
    }
    return true;
}

}  // namespace velmoor

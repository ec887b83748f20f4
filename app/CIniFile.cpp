#include "app/CIniFile.h"

#include "support/DecimalText.h"
#include "support/FileContents.h"
#include "support/TextUtils.h"

#include <unistd.h>

#include <vector>

namespace velmoor {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of the file as views into its text: the line without its ending, and the ending
// ("\n", "\r\n" or "" for a last line without one).
struct IniLine {
    std::string_view text;
    std::string_view ending;
};

// A file's text split into lines. Views point into `text`, which the document owns and never
// changes, so a line costs two views however long it is.
struct IniDocument {
    IniDocument() = default;
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    std::string text;
    bool hasBom = false;
    std::vector<IniLine> lines;

    std::string_view LineEnding() const
    {
        for (const IniLine& line : lines) {
            if (!line.ending.empty())
                return line.ending;
        }
        return "\n";
    }
};

void SplitLines(IniDocument& doc)
{
    std::string_view rest = doc.text;
    if (rest.starts_with(kByteOrderMark)) {
        doc.hasBom = true;
        rest.remove_prefix(kByteOrderMark.size());
    }
    while (!rest.empty()) {
        const auto newline = rest.find('\n');
        if (newline == std::string_view::npos) {
            doc.lines.push_back({rest, {}});
            break;
        }
        const bool crlf = newline > 0 && rest[newline - 1] == '\r';
        const std::size_t textLength = crlf ? newline - 1 : newline;
        doc.lines.push_back({rest.substr(0, textLength), rest.substr(textLength, newline + 1 - textLength)});
        rest.remove_prefix(newline + 1);
    }
}

ReadResult LoadDocument(const std::string& path, IniDocument& doc)
{
    const ReadResult result = ReadWholeFile(path, doc.text);
    if (result == ReadResult::Ok)
        SplitLines(doc);
    return result;
}

// The section name of a "[name]" line; the name runs to the first "]" or the line's end.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = TrimWhiteSpace(line);
    if (!line.starts_with('['))
        return std::nullopt;
    line.remove_prefix(1);
    return TrimWhiteSpace(line.substr(0, line.find(']')));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> ParseKeyLine(std::string_view line)
{
    const std::string_view trimmed = TrimWhiteSpace(line);
    if (trimmed.starts_with(';') || trimmed.starts_with('['))
        return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyValue{TrimWhiteSpace(trimmed.substr(0, equals)), TrimWhiteSpace(trimmed.substr(equals + 1))};
}

// Where a key is, or would go, in a document.
struct KeyLocation {
    std::optional<std::size_t> sectionLine;  // first header of the section
    std::optional<std::size_t> keyLine;      // first line of the key in that section
    std::size_t lastFilledLine = 0;          // last non-blank line of the section
};

KeyLocation Locate(const IniDocument& doc, std::string_view section, std::string_view key)
{
    KeyLocation where;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        const std::string_view line = doc.lines[i].text;
        if (const auto name = SectionName(line)) {
            if (where.sectionLine)
                break;  // the first matching section ends here; later ones are never used
            if (EqualsIgnoreAsciiCase(*name, section)) {
                where.sectionLine = i;
                where.lastFilledLine = i;
            }
            continue;
        }
        if (!where.sectionLine)
            continue;
        if (!TrimWhiteSpace(line).empty())
            where.lastFilledLine = i;
        const auto entry = ParseKeyLine(line);
        if (!where.keyLine && entry && EqualsIgnoreAsciiCase(entry->key, key))
            where.keyLine = i;
    }
    return where;
}

bool IsStorableValue(std::string_view value)
{
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos && IsValidUtf8(value);
}

bool IsStorableSection(std::string_view section)
{
    return !section.empty() && section.find(']') == std::string_view::npos && IsStorableValue(section);
}

bool IsStorableKey(std::string_view key)
{
    return !key.empty() && key.find('=') == std::string_view::npos && !key.starts_with('[')
        && !key.starts_with(';') && IsStorableValue(key);
}

std::string KeyLineText(std::string_view key, std::string_view value)
{
    std::string text(key);
    text += '=';
    text += value;
    return text;
}

// The document's text with the key set, every other line byte for byte as it was.
std::string Render(const IniDocument& doc, const KeyLocation& where, std::string_view section,
                   std::string_view key, std::string_view value)
{
    const std::string_view ending = doc.LineEnding();
    std::string out;
    out.reserve(doc.text.size() + section.size() + key.size() + value.size() + 8);
    if (doc.hasBom)
        out += kByteOrderMark;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        const IniLine& line = doc.lines[i];
        if (where.keyLine == i)
            out += KeyLineText(ParseKeyLine(line.text)->key, value);
        else
            out += line.text;
        const bool insertAfter = where.sectionLine && !where.keyLine && where.lastFilledLine == i;
        out += line.ending.empty() && (insertAfter || i + 1 < doc.lines.size()) ? ending : line.ending;
        if (insertAfter) {
            out += KeyLineText(key, value);
            out += ending;
        }
    }
    if (!where.sectionLine) {
        if (!doc.lines.empty() && doc.lines.back().ending.empty())
            out += ending;
        out += '[';
        out += section;
        out += ']';
        out += ending;
        out += KeyLineText(key, value);
        out += ending;
    }
    return out;
}

}  // namespace

std::optional<std::string> CIniFile::FindValue(const std::string& path, std::string_view section,
                                               std::string_view key)
{
    IniDocument doc;
    if (LoadDocument(path, doc) != ReadResult::Ok)
        return std::nullopt;
    const KeyLocation where = Locate(doc, TrimWhiteSpace(section), TrimWhiteSpace(key));
    if (!where.keyLine)
        return std::nullopt;
    const std::string_view value = ParseKeyLine(doc.lines[*where.keyLine].text)->value;
    if (value.find('\0') != std::string_view::npos || !IsValidUtf8(value))
        return std::nullopt;
    return std::string(value);
}

std::string CIniFile::GetString(const std::string& path, std::string_view section,
                                std::string_view key, const std::string& def, int bufferChars)
{
    if (bufferChars <= 0)
        return {};
    const std::optional<std::string> value = FindValue(path, section, key);
    return TruncateCodePoints(value ? *value : def, static_cast<std::size_t>(bufferChars - 1));
}

int CIniFile::GetInt(const std::string& path, std::string_view section, std::string_view key, int def)
{
    const std::optional<std::string> value = FindValue(path, section, key);
    if (!value || value->empty())
        return def;
    return ParseLeadingInt(*value);
}

bool CIniFile::WriteString(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value)
{
    section = TrimWhiteSpace(section);
    key = TrimWhiteSpace(key);
    if (path.empty() || !IsStorableSection(section) || !IsStorableKey(key) || !IsStorableValue(value))
        return false;
    IniDocument doc;
    const ReadResult loaded = LoadDocument(path, doc);
    if (loaded == ReadResult::Unreadable)
        return false;
    // A read-only file stays as it is, although the folder would allow replacing it.
    if (loaded == ReadResult::Ok && ::access(path.c_str(), W_OK) != 0)
        return false;
    const KeyLocation where = Locate(doc, section, key);
    return WriteFileAtomically(path, Render(doc, where, section, key, value));
}

}  // namespace velmoor

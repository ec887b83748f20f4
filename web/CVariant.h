#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace velmoor {

enum VarType : std::uint16_t {
    VT_EMPTY = 0,
    VT_I4 = 3,
    VT_BSTR = 8,
    VT_BOOL = 11,
};

// One automation argument or result: empty, a string, a 32-bit integer or a boolean. Script
// values of other kinds are turned into one of these by the web engine adapter.
class CVariant {
public:
    CVariant() = default;
    CVariant(std::string text);
    CVariant(const char* text);  // a null pointer is an empty string, like a null BSTR
    CVariant(std::int32_t number);
    CVariant(bool flag);

    VarType Type() const;
    bool IsEmpty() const { return Type() == VT_EMPTY; }

    // The value as the bridge reads its arguments: a string as it stands, an integer in decimal,
    // a boolean as script writes it ("true"/"false"), empty as "".
    std::string ToString() const;

    void Clear() { m_value = std::monostate{}; }

    bool operator==(const CVariant& other) const = default;

private:
    std::variant<std::monostate, std::string, std::int32_t, bool> m_value;
};

}  // namespace velmoor

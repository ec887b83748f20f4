#include "web/CVariant.h"

#include <utility>

namespace velmoor {

CVariant::CVariant(std::string text) : m_value(std::move(text)) {}

CVariant::CVariant(const char* text) : m_value(std::string(text ? text : "")) {}

CVariant::CVariant(std::int32_t number) : m_value(number) {}

CVariant::CVariant(bool flag) : m_value(flag) {}

VarType CVariant::Type() const
{
    switch (m_value.index()) {
    case 1: return VT_BSTR;
    case 2: return VT_I4;
    case 3: return VT_BOOL;
    default: return VT_EMPTY;
    }
}

std::string CVariant::ToString() const
{
    if (const auto* text = std::get_if<std::string>(&m_value)) {
        return *text;
    }
    if (const auto* number = std::get_if<std::int32_t>(&m_value)) {
        return std::to_string(*number);
    }
    if (const auto* flag = std::get_if<bool>(&m_value)) {
        return *flag ? "true" : "false";
    }
    return {};
}

}  // namespace velmoor

#pragma once
#include <cstddef>
#include <span>
#include <string_view>

namespace velmoor {

// Bytes of resource `id` of `type` ("PNG", "ICON", "UNISTS", "PLUGIN"); empty when missing.
std::span<const unsigned char> FindProgramResource(int id, std::string_view type);

}  // namespace velmoor

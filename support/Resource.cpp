#include "support/Resource.h"

#include "support/ResourceTable.h"

namespace velmoor {

std::span<const unsigned char> FindProgramResource(int id, std::string_view type)
{
    for (const ResourceEntry* e = g_ResourceTable; e->type != nullptr; ++e) {
        if (e->id == id && type == e->type)
            return {e->begin, static_cast<std::size_t>(e->end - e->begin)};
    }
    return {};
}

}  // namespace velmoor

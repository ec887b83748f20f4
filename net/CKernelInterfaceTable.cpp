#include "net/CKernelInterfaceTable.h"

#include "net/SystemLinks.h"

namespace velmoor {

std::vector<stInterfaceRow> CKernelInterfaceTable::Walk()
{
    std::vector<stInterfaceRow> rows;
    for (const stSystemLink& link : ReadSystemLinks())
        rows.push_back({InterfaceType(link.hardwareType), link.address});
    return rows;
}

}  // namespace velmoor

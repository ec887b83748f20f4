#pragma once
#include "net/IInterfaceTable.h"

namespace velmoor {

// The kernel's interface table: one row per interface in the order of ReadSystemLinks, typed by
// its MIB-II interface type, with the hardware address the kernel reports.
class CKernelInterfaceTable : public IInterfaceTable {
public:
    std::vector<stInterfaceRow> Walk() override;
};

}  // namespace velmoor

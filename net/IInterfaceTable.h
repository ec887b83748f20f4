#pragma once
#include <vector>

namespace velmoor {

// One row of the interface table: the MIB-II interface type (6 is ethernetCsmacd) and the
// physical address, empty when the row has none.
struct stInterfaceRow {
    long type = 0;
    std::vector<unsigned char> physAddress;
};

// The machine's interface table, walked row by row. An unreadable table gives no rows.
class IInterfaceTable {
public:
    virtual ~IInterfaceTable() = default;
    virtual std::vector<stInterfaceRow> Walk() = 0;
};

}  // namespace velmoor

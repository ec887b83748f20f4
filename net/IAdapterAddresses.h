#pragma once
#include <vector>

namespace velmoor {

// The physical address of every adapter, in list order (empty entries for adapters without one);
// no entries when the list cannot be read.
class IAdapterAddresses {
public:
    virtual ~IAdapterAddresses() = default;
    virtual std::vector<std::vector<unsigned char>> PhysicalAddresses() = 0;
};

}  // namespace velmoor

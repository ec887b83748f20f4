#pragma once
#include "net/IAdapterAddresses.h"

namespace velmoor {

// The hardware address of every interface but loopback, in the order of ReadSystemLinks.
class CSystemAdapterAddresses : public IAdapterAddresses {
public:
    std::vector<std::vector<unsigned char>> PhysicalAddresses() override;
};

}  // namespace velmoor

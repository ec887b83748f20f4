#include "net/CSystemAdapterAddresses.h"

#include "net/SystemLinks.h"

namespace velmoor {

std::vector<std::vector<unsigned char>> CSystemAdapterAddresses::PhysicalAddresses()
{
    std::vector<std::vector<unsigned char>> addresses;
    for (const stSystemLink& link : ReadSystemLinks()) {
        if (!link.loopback)
            addresses.push_back(link.address);
    }
    return addresses;
}

}  // namespace velmoor

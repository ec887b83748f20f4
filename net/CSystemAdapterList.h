#pragma once
#include "net/IAdapterList.h"

#include <string>

namespace velmoor {

// The adapter list from the kernel's interfaces (loopback left out), in the order of
// ReadSystemLinks, with gateways from the IPv4 routing table.
class CSystemAdapterList : public IAdapterList {
public:
    std::vector<stNetPcInfo> Adapters() override;
};

// The description of an adapter, naming its maker where that is VMware so that the virtual
// adapters VMware adds are recognised: its host-side "vmnet" interfaces and its emulated devices
// (PCI vendor 0x15ad, the vmxnet drivers). Otherwise the driver's name, or the interface's.
std::string AdapterDescription(const std::string& name, const std::string& driver, const std::string& vendor);

}  // namespace velmoor

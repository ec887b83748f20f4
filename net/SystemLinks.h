#pragma once
#include <string>
#include <vector>

namespace velmoor {

// One network interface as the kernel reports it.
struct stSystemLink {
    int index = 0;
    std::string name;
    unsigned short hardwareType = 0;      // ARPHRD_* value
    bool loopback = false;
    bool physical = false;                // backed by a device rather than made up by software
    std::vector<unsigned char> address;   // hardware address; empty for loopback
    std::string ip, mask;                 // first IPv4 address and its mask, empty when none
    std::string driver, vendor;           // device driver and PCI vendor id ("0x15ad"), when known
};

// The machine's interfaces afresh: those backed by a device first, then the others (bridges,
// tunnels and the like, whose addresses may change from boot to boot), each group by index.
std::vector<stSystemLink> ReadSystemLinks();

// The MIB-II interface type of a kernel hardware type: 6 Ethernet, 9 token ring, 15 FDDI, 23 PPP,
// 24 loopback, 28 SLIP, 1 for anything else.
long InterfaceType(unsigned short hardwareType);

}  // namespace velmoor

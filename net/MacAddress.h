#pragma once
#include "net/NetPcInfo.h"

#include <string>
#include <vector>

namespace velmoor {

// One row of the interface table: the MIB-II interface type (6 is ethernetCsmacd) and the
// physical address.
struct stInterfaceRow {
    long type = 0;
    std::vector<unsigned char> physAddress;
};

// What the machine's adapter queries returned, one list per source. Loopback interfaces carry no
// hardware address.
struct stMachineAdapters {
    std::vector<stInterfaceRow> interfaceTable;                // physical interfaces first, then virtual ones
    std::vector<stNetPcInfo> adapterList;                      // adapters with an IPv4 address
    std::vector<std::vector<unsigned char>> adapterAddresses;  // every interface, by index
};

// The text that stands for "no address found".
inline constexpr const char* kNoMacAddress = "00-00-00-00-00-00";

// Queries the system's network interfaces afresh.
stMachineAdapters ReadMachineAdapters();

// The machine identity from the sources in their fixed order: the interface table (Ethernet rows
// with a real address), the adapter list (VMware adapters skipped), the adapter addresses (the
// first six-byte one). Six upper-case hex bytes joined by "-", or kNoMacAddress.
std::string ChooseMacAddress(const stMachineAdapters& adapters);

// ChooseMacAddress over the adapters present now; nothing is cached.
std::string GetMacAddress();

}  // namespace velmoor

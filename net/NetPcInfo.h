#pragma once
#include <string>
#include <vector>

namespace velmoor {

// One entry of the machine's IPv4 adapter list.
struct stNetPcInfo {
    std::string strIP;           // first IPv4 address
    std::string strMac;          // every hardware-address byte as "%.2X", joined by "-"
    std::string strMask;         // mask of that address
    std::string strGateway;      // default gateway through this adapter, "0.0.0.0" when none
    std::string strDescription;  // adapter description
    std::string strIndex;        // interface index, decimal
    std::string strName;         // adapter (interface) name
    std::string strType;         // adapter type name, see AdapterTypeName
};

// Adapter type names by interface type (MIB-II ifType): 1 other, 6 Ethernet, 9 token ring,
// 15 FDDI, 23 PPP, 24 loopback, 28 SLIP; anything else "未知类型 <n>".
std::string AdapterTypeName(long type);

// All bytes of a hardware address, two upper-case hex digits each, joined by "-"; empty for none.
std::string FormatAdapterAddress(const std::vector<unsigned char>& address);

}  // namespace velmoor

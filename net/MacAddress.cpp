#include "net/MacAddress.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

namespace velmoor {

namespace {

constexpr long kEthernetCsmacd = 6;

bool NotFound(const std::string& result)
{
    return result.empty() || result == kNoMacAddress;
}

std::string FormatSixBytes(const std::vector<unsigned char>& a)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", a[0], a[1], a[2], a[3], a[4], a[5]);
    return text;
}

// Interface-table rows that are pseudo adapters (dial-up "DEST" entries, all-zero addresses) or
// not Ethernet are passed over.
std::string FromInterfaceTable(const std::vector<stInterfaceRow>& rows)
{
    static const unsigned char kDest[5] = {'D', 'E', 'S', 'T', 0};
    for (const stInterfaceRow& row : rows) {
        const auto& a = row.physAddress;
        if (row.type != kEthernetCsmacd || a.size() < 6)
            continue;
        if (std::equal(kDest, kDest + 5, a.begin()))
            continue;
        if (std::all_of(a.begin(), a.begin() + 6, [](unsigned char b) { return b == 0; }))
            continue;
        return FormatSixBytes(a);
    }
    return {};
}

// Virtual-machine host adapters carry the host's made-up addresses, not the machine's own.
std::string FromAdapterList(const std::vector<stNetPcInfo>& adapters)
{
    for (const stNetPcInfo& info : adapters) {
        if (!info.strMac.empty() && info.strDescription.find("VMware") == std::string::npos)
            return info.strMac;
    }
    return {};
}

std::string FromAdapterAddresses(const std::vector<std::vector<unsigned char>>& addresses)
{
    for (const auto& a : addresses) {
        if (a.size() == 6)
            return FormatSixBytes(a);
    }
    return {};
}

// ---- reading the system's interfaces ----

struct IfAddrsFree {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

struct Link {
    int index = 0;
    std::string name;
    unsigned short hardwareType = 0;
    bool loopback = false;
    std::vector<unsigned char> address;
    std::string ip, mask;
};

long InterfaceType(unsigned short hardwareType)
{
    switch (hardwareType) {
    case ARPHRD_ETHER: return kEthernetCsmacd;
    case ARPHRD_IEEE802_TR: return 9;
    case ARPHRD_FDDI: return 15;
    case ARPHRD_PPP: return 23;
    case ARPHRD_LOOPBACK: return 24;
    case ARPHRD_SLIP:
    case ARPHRD_CSLIP: return 28;
    default: return 1;
    }
}

std::string Ipv4Text(const sockaddr* address)
{
    char text[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text;
}

void TakePacketEntry(Link& link, const ifaddrs& entry)
{
    const auto* ll = reinterpret_cast<const sockaddr_ll*>(entry.ifa_addr);
    link.index = ll->sll_ifindex;
    link.hardwareType = ll->sll_hatype;
    const std::size_t length = std::min<std::size_t>(ll->sll_halen, sizeof ll->sll_addr);
    if (!link.loopback)
        link.address.assign(ll->sll_addr, ll->sll_addr + length);
}

std::vector<Link> ReadLinks()
{
    ifaddrs* raw = nullptr;
    if (getifaddrs(&raw) != 0)
        return {};
    std::unique_ptr<ifaddrs, IfAddrsFree> list(raw);

    std::map<std::string, Link> byName;
    for (const ifaddrs* e = raw; e; e = e->ifa_next) {
        if (!e->ifa_name || !e->ifa_addr)
            continue;
        Link& link = byName[e->ifa_name];
        link.name = e->ifa_name;
        link.loopback = (e->ifa_flags & IFF_LOOPBACK) != 0;
        if (e->ifa_addr->sa_family == AF_PACKET) {
            TakePacketEntry(link, *e);
        } else if (e->ifa_addr->sa_family == AF_INET && link.ip.empty()) {
            link.ip = Ipv4Text(e->ifa_addr);
            link.mask = e->ifa_netmask ? Ipv4Text(e->ifa_netmask) : "0.0.0.0";
        }
    }
    std::vector<Link> links;
    for (auto& [name, link] : byName) {
        if (link.loopback)
            link.address.clear();
        links.push_back(std::move(link));
    }
    std::sort(links.begin(), links.end(), [](const Link& a, const Link& b) { return a.index < b.index; });
    return links;
}

bool HasDevice(const std::string& name)
{
    std::error_code error;
    return std::filesystem::exists("/sys/class/net/" + name + "/device", error);
}

std::string Description(const std::string& name)
{
    // VMware's host-only and NAT adapters on Linux are its vmnet interfaces.
    if (name.rfind("vmnet", 0) == 0)
        return "VMware Virtual Ethernet Adapter for " + name;
    std::error_code error;
    const auto driver = std::filesystem::read_symlink("/sys/class/net/" + name + "/device/driver", error);
    return error ? name : driver.filename().string();
}

// Default gateways by interface, from the kernel's IPv4 routing table.
std::map<std::string, std::string> ReadGateways()
{
    std::map<std::string, std::string> gateways;
    std::ifstream routes("/proc/net/route");
    std::string line;
    std::getline(routes, line);  // column titles
    while (std::getline(routes, line)) {
        std::istringstream fields(line);
        std::string name, destination, gateway;
        if (!(fields >> name >> destination >> gateway) || destination != "00000000")
            continue;
        in_addr address{};
        address.s_addr = static_cast<in_addr_t>(std::strtoul(gateway.c_str(), nullptr, 16));
        char text[INET_ADDRSTRLEN] = "";
        inet_ntop(AF_INET, &address, text, sizeof text);
        gateways.emplace(name, text);
    }
    return gateways;
}

stNetPcInfo AdapterInfo(const Link& link, const std::map<std::string, std::string>& gateways)
{
    stNetPcInfo info;
    info.strIP = link.ip;
    info.strMac = FormatAdapterAddress(link.address);
    info.strMask = link.mask;
    const auto gateway = gateways.find(link.name);
    info.strGateway = gateway == gateways.end() ? "0.0.0.0" : gateway->second;
    info.strDescription = Description(link.name);
    info.strIndex = std::to_string(link.index);
    info.strName = link.name;
    info.strType = AdapterTypeName(InterfaceType(link.hardwareType));
    return info;
}

}  // namespace

stMachineAdapters ReadMachineAdapters()
{
    const std::vector<Link> links = ReadLinks();
    const auto gateways = ReadGateways();
    stMachineAdapters adapters;
    // Interfaces backed by a device come first: bridges, tunnels and the like have made-up
    // addresses that change from boot to boot.
    for (const bool physical : {true, false}) {
        for (const Link& link : links) {
            if (HasDevice(link.name) == physical)
                adapters.interfaceTable.push_back({InterfaceType(link.hardwareType), link.address});
        }
    }
    for (const Link& link : links) {
        if (!link.loopback && !link.ip.empty())
            adapters.adapterList.push_back(AdapterInfo(link, gateways));
        adapters.adapterAddresses.push_back(link.address);
    }
    return adapters;
}

std::string ChooseMacAddress(const stMachineAdapters& adapters)
{
    std::string result = FromInterfaceTable(adapters.interfaceTable);
    if (NotFound(result))
        result = FromAdapterList(adapters.adapterList);
    if (NotFound(result))
        result = FromAdapterAddresses(adapters.adapterAddresses);
    if (NotFound(result))
        return kNoMacAddress;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

std::string GetMacAddress()
{
    return ChooseMacAddress(ReadMachineAdapters());
}

}  // namespace velmoor

#include "net/SystemLinks.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netinet/in.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

namespace velmoor {

namespace {

struct IfAddrsFree {
    void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

std::string Ipv4Text(const sockaddr* address)
{
    char text[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text;
}

void TakePacketEntry(stSystemLink& link, const ifaddrs& entry)
{
    const auto* ll = reinterpret_cast<const sockaddr_ll*>(entry.ifa_addr);
    link.index = ll->sll_ifindex;
    link.hardwareType = ll->sll_hatype;
    const std::size_t length = std::min<std::size_t>(ll->sll_halen, sizeof ll->sll_addr);
    link.address.assign(ll->sll_addr, ll->sll_addr + length);
}

void TakeEntry(stSystemLink& link, const ifaddrs& e)
{
    link.name = e.ifa_name;
    link.loopback = link.loopback || (e.ifa_flags & IFF_LOOPBACK) != 0;
    if (e.ifa_addr->sa_family == AF_PACKET) {
        TakePacketEntry(link, e);
    } else if (e.ifa_addr->sa_family == AF_INET && link.ip.empty()) {
        link.ip = Ipv4Text(e.ifa_addr);
        link.mask = e.ifa_netmask ? Ipv4Text(e.ifa_netmask) : "0.0.0.0";
    }
}

std::string FirstLine(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

void TakeDevice(stSystemLink& link)
{
    const std::filesystem::path device = "/sys/class/net/" + link.name + "/device";
    std::error_code error;
    link.physical = std::filesystem::exists(device, error);
    if (!link.physical)
        return;
    const auto driver = std::filesystem::read_symlink(device / "driver", error);
    if (!error)
        link.driver = driver.filename().string();
    link.vendor = FirstLine(device / "vendor");
}

}  // namespace

long InterfaceType(unsigned short hardwareType)
{
    switch (hardwareType) {
    case ARPHRD_ETHER: return 6;
    case ARPHRD_IEEE802_TR: return 9;
    case ARPHRD_FDDI: return 15;
    case ARPHRD_PPP: return 23;
    case ARPHRD_LOOPBACK: return 24;
    case ARPHRD_SLIP:
    case ARPHRD_CSLIP: return 28;
    default: return 1;
    }
}

std::vector<stSystemLink> ReadSystemLinks()
{
    ifaddrs* raw = nullptr;
    if (getifaddrs(&raw) != 0)
        return {};
    const std::unique_ptr<ifaddrs, IfAddrsFree> list(raw);

    std::map<std::string, stSystemLink> byName;
    for (const ifaddrs* e = raw; e; e = e->ifa_next) {
        if (e->ifa_name && e->ifa_addr)
            TakeEntry(byName[e->ifa_name], *e);
    }
    std::vector<stSystemLink> links;
    for (auto& [name, link] : byName) {
        if (link.loopback)
            link.address.clear();  // the kernel gives loopback a zero address; it names no hardware
        TakeDevice(link);
        links.push_back(std::move(link));
    }
    std::sort(links.begin(), links.end(), [](const stSystemLink& a, const stSystemLink& b) {
        return a.physical != b.physical ? a.physical : a.index < b.index;
    });
    return links;
}

}  // namespace velmoor

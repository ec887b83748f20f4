#include "net/CSystemAdapterList.h"

#include "net/SystemLinks.h"

#include <arpa/inet.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace velmoor {

namespace {

constexpr const char* kNoAddress = "0.0.0.0";

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

std::string OrNoAddress(const std::string& text)
{
    return text.empty() ? kNoAddress : text;
}

stNetPcInfo AdapterInfo(const stSystemLink& link, const std::map<std::string, std::string>& gateways)
{
    stNetPcInfo info;
    info.strIP = OrNoAddress(link.ip);
    info.strMac = FormatAdapterAddress(link.address);
    info.strMask = OrNoAddress(link.mask);
    const auto gateway = gateways.find(link.name);
    info.strGateway = gateway == gateways.end() ? kNoAddress : gateway->second;
    info.strDescription = AdapterDescription(link.name, link.driver, link.vendor);
    info.strIndex = std::to_string(link.index);
    info.strName = link.name;
    info.strType = AdapterTypeName(InterfaceType(link.hardwareType));
    return info;
}

}  // namespace

std::string AdapterDescription(const std::string& name, const std::string& driver, const std::string& vendor)
{
    if (name.rfind("vmnet", 0) == 0)
        return "VMware Virtual Ethernet Adapter for " + name;
    if (vendor == "0x15ad" || driver.rfind("vmxnet", 0) == 0)
        return "VMware Virtual Ethernet Adapter (" + (driver.empty() ? name : driver) + ")";
    return driver.empty() ? name : driver;
}

std::vector<stNetPcInfo> CSystemAdapterList::Adapters()
{
    const auto gateways = ReadGateways();
    std::vector<stNetPcInfo> adapters;
    for (const stSystemLink& link : ReadSystemLinks()) {
        if (!link.loopback)
            adapters.push_back(AdapterInfo(link, gateways));
    }
    return adapters;
}

}  // namespace velmoor

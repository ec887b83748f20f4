#include "net/CMacAddressChain.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace velmoor {

namespace {

constexpr long kEthernetCsmacd = 6;
constexpr const char* kLoopbackTypeName = "回路";

// Both the empty text and the zero address mean "keep looking"; the comparison is exact.
bool NotFound(const std::string& result)
{
    return result.empty() || result == kNoMacAddress;
}

bool AllZero(const std::vector<unsigned char>& a)
{
    return std::all_of(a.begin(), a.end(), [](unsigned char b) { return b == 0; });
}

std::string FormatSixBytes(const unsigned char* a)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", a[0], a[1], a[2], a[3], a[4], a[5]);
    return text;
}

// A zero address is no identity, however many bytes it has.
bool IsZeroText(const std::string& mac)
{
    return mac.find_first_not_of("0-") == std::string::npos;
}

// Rows that are not Ethernet, dial-up "DEST" pseudo adapters and all-zero addresses are passed over.
bool UsableRow(const stInterfaceRow& row)
{
    static const unsigned char kDest[5] = {'D', 'E', 'S', 'T', 0};
    const auto& a = row.physAddress;
    if (row.type != kEthernetCsmacd || a.size() < 6)
        return false;
    if (std::equal(kDest, kDest + 5, a.begin()))
        return false;
    return !AllZero({a.begin(), a.begin() + 6});
}

// Virtual-machine host adapters carry made-up addresses, not the machine's own.
bool UsableAdapter(const stNetPcInfo& info)
{
    return !info.strMac.empty() && !IsZeroText(info.strMac) && info.strType != kLoopbackTypeName &&
           info.strDescription.find("VMware") == std::string::npos;
}

void ToUpper(std::string& text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

}  // namespace

CMacAddressChain::CMacAddressChain(IInterfaceTable& table, INetBios& netBios, IAdapterList& adapterList,
                                   IAdapterAddresses& adapterAddresses)
    : table(table), netBios(netBios), adapterList(adapterList), adapterAddresses(adapterAddresses)
{
}

std::string CMacAddressChain::Run()
{
    std::string result = kNoMacAddress;
    FromInterfaceTable(result);
    if (NotFound(result))
        FromNetBios(result);
    if (NotFound(result))
        FromAdapterList(result);
    if (NotFound(result))
        FromInterfaceTable(result);
    if (NotFound(result))
        FromAdapterAddresses(result);
    ToUpper(result);
    return result;
}

void CMacAddressChain::FromInterfaceTable(std::string& result)
{
    for (const stInterfaceRow& row : table.Walk()) {
        if (UsableRow(row)) {
            result = FormatSixBytes(row.physAddress.data());
            return;
        }
    }
}

void CMacAddressChain::FromNetBios(std::string& result)
{
    std::vector<unsigned char> lanas;
    if (!netBios.EnumerateLanas(lanas))
        return;
    // Several adapters give no telling which one is the machine's: leave it to the next source.
    if (lanas.size() > 1) {
        result.clear();
        return;
    }
    for (const unsigned char lana : lanas) {
        if (!netBios.Reset(lana))
            continue;
        std::array<unsigned char, 6> address{};
        if (!netBios.AdapterStatus(lana, address))
            return;
        result = FormatSixBytes(address.data());
    }
}

void CMacAddressChain::FromAdapterList(std::string& result)
{
    const std::vector<stNetPcInfo> adapters = adapterList.Adapters();
    const auto chosen = std::find_if(adapters.begin(), adapters.end(), UsableAdapter);
    if (chosen != adapters.end())
        result = chosen->strMac;
}

void CMacAddressChain::FromAdapterAddresses(std::string& result)
{
    for (const auto& address : adapterAddresses.PhysicalAddresses()) {
        if (address.size() == 6 && !AllZero(address)) {
            result = FormatSixBytes(address.data());
            return;
        }
    }
}

}  // namespace velmoor

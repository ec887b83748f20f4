#pragma once
#include "net/IAdapterAddresses.h"
#include "net/IAdapterList.h"
#include "net/IInterfaceTable.h"
#include "net/INetBios.h"

#include <string>

namespace velmoor {

// The text that stands for "no address found".
inline constexpr const char* kNoMacAddress = "00-00-00-00-00-00";

// The machine identity from five sources tried in a fixed order until one yields an address: the
// interface table, NetBIOS, the adapter list (VMware adapters skipped), the interface table again
// and the adapter addresses. The result is six upper-case hex bytes joined by "-",
// kNoMacAddress when nothing was found, or the empty text when NetBIOS listed several adapters
// and no later source found anything.
class CMacAddressChain {
public:
    CMacAddressChain(IInterfaceTable& table, INetBios& netBios, IAdapterList& adapterList,
                     IAdapterAddresses& adapterAddresses);

    std::string Run();

private:
    void FromInterfaceTable(std::string& result);
    void FromNetBios(std::string& result);
    void FromAdapterList(std::string& result);
    void FromAdapterAddresses(std::string& result);

    IInterfaceTable& table;
    INetBios& netBios;
    IAdapterList& adapterList;
    IAdapterAddresses& adapterAddresses;
};

}  // namespace velmoor

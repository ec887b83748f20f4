#include "net/MacAddress.h"

#include "net/CKernelInterfaceTable.h"
#include "net/CNoNetBios.h"
#include "net/CSystemAdapterAddresses.h"
#include "net/CSystemAdapterList.h"

namespace velmoor {

std::string GetMacAddress()
{
    CKernelInterfaceTable table;
    CNoNetBios netBios;
    CSystemAdapterList adapterList;
    CSystemAdapterAddresses adapterAddresses;
    return CMacAddressChain(table, netBios, adapterList, adapterAddresses).Run();
}

}  // namespace velmoor

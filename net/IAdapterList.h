#pragma once
#include "net/NetPcInfo.h"

#include <vector>

namespace velmoor {

// The machine's adapter list, one record per adapter in list order; empty when unreadable.
class IAdapterList {
public:
    virtual ~IAdapterList() = default;
    virtual std::vector<stNetPcInfo> Adapters() = 0;
};

}  // namespace velmoor

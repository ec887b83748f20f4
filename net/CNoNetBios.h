#pragma once
#include "net/INetBios.h"

namespace velmoor {

// Linux has no NetBIOS adapters: the enumeration fails and the source leaves the result alone.
class CNoNetBios : public INetBios {
public:
    bool EnumerateLanas(std::vector<unsigned char>&) override { return false; }
    bool Reset(unsigned char) override { return false; }
    bool AdapterStatus(unsigned char, std::array<unsigned char, 6>&) override { return false; }
};

}  // namespace velmoor

#pragma once
#include <array>
#include <vector>

namespace velmoor {

// NetBIOS adapter queries. Each returns false when the call fails.
class INetBios {
public:
    virtual ~INetBios() = default;
    // The adapter numbers (LANAs) the system lists.
    virtual bool EnumerateLanas(std::vector<unsigned char>& lanas) = 0;
    virtual bool Reset(unsigned char lana) = 0;
    // The adapter address from the adapter status of `lana`.
    virtual bool AdapterStatus(unsigned char lana, std::array<unsigned char, 6>& address) = 0;
};

}  // namespace velmoor

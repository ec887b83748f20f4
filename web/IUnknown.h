#pragma once
#include "web/ComTypes.h"

namespace velmoor {

// Base of every reference-counted object the web engine adapter holds. An object answers for an
// interface through QueryInterface, which writes the matching interface pointer to `*out` (so a
// caller casts the void* straight to that interface) and takes a reference for the caller.
class IUnknown {
public:
    virtual HRESULT QueryInterface(IID iid, void** out) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    // Lifetime goes through Release, never through delete on an interface pointer.
    ~IUnknown() = default;
};

}  // namespace velmoor

#pragma once
#include "platform/WinTypes.h"

namespace velmoor {

// Virtual-key codes and X/GDK key symbols, both ways, for the keys a user can press on a
// PC keyboard. 0 when there is no counterpart.
UINT VirtualKeyFromKeyval(unsigned int keyval);
unsigned int KeyvalFromVirtualKey(UINT vk);

}  // namespace velmoor

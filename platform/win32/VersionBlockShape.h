// A bounds check of a version block before VerQueryValue walks it.
// VerQueryValue trusts the lengths inside the block; a damaged resource in
// some file on the machine must not make it read past the buffer.
#pragma once

#include "platform/Types.h"

namespace cvn::platform::win32 {

// True when every node of the block, in the 16-bit (Windows 3.x and 95 NE
// files) or the 32-bit layout, has a length that covers its header and
// key and lies inside its parent, and the root lies inside the buffer.
bool IsWellFormedVersionBlock(const Bytes& block);

}  // namespace cvn::platform::win32

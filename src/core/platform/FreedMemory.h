// Memory freed inside the program stays its own until the allocator gives it back: after a
// large picture is read, the decoder's buffers leave megabytes of free heap behind.
#pragma once

namespace tracelle::platform {

// Hands the free memory of every heap back to the system, where the allocator can.
void returnFreedMemory();

} // namespace tracelle::platform

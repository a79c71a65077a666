#pragma once

namespace kav {

// Hands the pages of freed heap memory back to the system. A run that lets go of a million
// small texts leaves them as free chunks all over the heap, counted in the process's resident
// size until they are reused; the next phase's allocations would otherwise stack on top.
void ReturnFreedMemory();

}  // namespace kav

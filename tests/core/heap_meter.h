// Counts the bytes held on the heap through operator new, and their peak since the last
// reset, so that a test can state how much memory an operation needed at its worst.
// Linking heap_meter.cpp into a test program replaces the global operator new and delete.
#pragma once

#include <cstddef>

namespace heap_meter {

// Bytes allocated through operator new and not yet deleted.
std::size_t Live();
// The highest Live() since the last ResetPeak().
std::size_t Peak();
void ResetPeak();

} // namespace heap_meter

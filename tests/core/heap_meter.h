// The bytes held on the heap through operator new, and their peak since a test last set it
// to the bytes held, so that a test can state how much memory an operation needed at its
// worst. Linking heap_meter.cpp into a test program replaces the global operator new and
// delete.
#pragma once

#include <atomic>
#include <cstddef>

extern std::atomic<std::size_t> g_heapLive;
extern std::atomic<std::size_t> g_heapPeak;

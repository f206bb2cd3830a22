#pragma once

#include <cstdint>

// A random integer between lo and hi, both included. A negative bound counts as 0 and swapped
// bounds are put in order. Each draw advances the generator exactly once.
int random_between(int lo, int hi);

// Start-up seeds from the clock so successive runs differ; tests seed a fixed value.
void seed_random_from_clock();
void seed_random(std::uint64_t seed);

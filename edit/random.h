#pragma once
// The editor's pseudo-random generator: a 32-bit linear congruential
// generator that starts from the same state on every run.
#include <cstdint>

struct TRandom {
  uint32_t RandomSeed = 0;

  // An integer in 0..n-1: the high 32 bits of the 64-bit product of the new
  // state and n.
  int RandomBelow(int n) {
    RandomSeed = RandomSeed * 134775813u + 1u;
    return int((uint64_t(RandomSeed) * uint32_t(n)) >> 32);
  }
};

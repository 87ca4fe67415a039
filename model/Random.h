// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide pseudo-random generator, seeded once at start-up, and generators of their
// own for what must come out the same from its seed whatever else draws meanwhile.

#include <cstdint>
#include <random>

// The same numbers from the same seed with every compiler and library: the engine's output
// is fixed by the C++ standard, and the mapping onto a range is ours, not a distribution's.
class TRandom {
public:
  explicit TRandom(std::uint32_t Seed) : FEngine(Seed) {}
  void Seed(std::uint32_t Value) { FEngine.seed(Value); }
  // Uniform in 0..N-1; 0 when N is not positive, so a bad bound never fails.
  int Below(int N);

private:
  std::mt19937 FEngine;
};

void SeedRandom(std::uint32_t Seed);
// Uniform in 0..N-1; 0 when N is not positive, so a bad bound never fails.
int RandomBelow(int N);
// A fresh 32-bit seed drawn from the process-wide generator.
std::uint32_t RandomSeed();

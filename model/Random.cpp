// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Random.h"

namespace {
TRandom& Generator() {
  static TRandom Engine(5489u);
  return Engine;
}
} // namespace

int TRandom::Below(int N) {
  if (N <= 1)
    return 0;
  // Lemire's multiply-shift: one draw, no modulo bias worth noticing for N <= 256,
  // and the same sequence on every standard library.
  const std::uint64_t Draw = FEngine() & 0xFFFFFFFFu;
  return static_cast<int>((Draw * static_cast<std::uint64_t>(N)) >> 32);
}

void SeedRandom(std::uint32_t Seed) {
  Generator().Seed(Seed);
}

int RandomBelow(int N) {
  return Generator().Below(N);
}

std::uint32_t RandomSeed() {
  return static_cast<std::uint32_t>(RandomBelow(1 << 16)) << 16 |
         static_cast<std::uint32_t>(RandomBelow(1 << 16));
}

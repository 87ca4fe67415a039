// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Random.h"

#include <random>

namespace {
std::mt19937& Generator() {
  static std::mt19937 Engine(5489u);
  return Engine;
}
} // namespace

void SeedRandom(std::uint32_t Seed) {
  Generator().seed(Seed);
}

int RandomBelow(int N) {
  if (N <= 1)
    return 0;
  // Lemire's multiply-shift: one draw, no modulo bias worth noticing for N <= 256,
  // and the same sequence on every standard library.
  const std::uint64_t Draw = Generator()();
  return static_cast<int>((Draw * static_cast<std::uint64_t>(N)) >> 32);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide pseudo-random generator, seeded once at start-up.

#include <cstdint>

void SeedRandom(std::uint32_t Seed);
// Uniform in 0..N-1; 0 when N is not positive, so a bad bound never fails.
int RandomBelow(int N);

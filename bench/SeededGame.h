// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game on a board dealt from a fixed seed, so that every run measures the same boards.

#include "model/Game.h"
#include "model/Random.h"

#include <cstdint>
#include <memory>

inline std::unique_ptr<TGame> SeededGame(int Width, int Height, int Colors, std::uint32_t Seed) {
  SeedRandom(Seed);
  auto Game = std::make_unique<TGame>();
  Game->SetWidth(Width);
  Game->SetHeight(Height);
  Game->SetColors(static_cast<std::uint8_t>(Colors));
  Game->NewGame();
  return Game;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/WinnableDeal.h"
#include "solver/LostBoards.h"
#include "solver/SearchLimits.h"

#include <algorithm>
#include <random>

std::optional<TWinnableDeal> DealWinnable(int Width, int Height, std::uint8_t Colors,
                                          std::uint64_t Seed, const std::atomic<bool>* Cancel) {
  TMap Board;
  Board.SetWidth(Width);
  Board.SetHeight(Height);
  Colors = std::clamp<std::uint8_t>(Colors, 1, 7);
  // A generator of our own: the deal must not depend on other users of the shared one, and
  // the plain modulo keeps it the same under every standard library.
  std::mt19937_64 Random(Seed);
  // Only the work cap ends a board's search, never the clock. Boards are dealt uniformly, so
  // the deal is a random board among those the search clears within it.
  const TSearchBudget Budget{std::chrono::hours(24), SearchLimits::WorkPerDealtBoard, 2};
  // A board proved lost is lost on any deal: one table serves them all, zeroed once.
  TLostBoards Lost(TLostBoards::BitsFor(Board.CellCount()));
  for (;;) {
    for (int I = 0; I < Board.CellCount(); ++I)
      Board.Cells()[I] = {static_cast<std::uint8_t>(1 + Random() % Colors), 0};
    TClearingAnswer Answer = FindClearing(Board, Budget, Cancel, Lost);
    if (Cancel && Cancel->load())
      return std::nullopt;
    if (Answer.Verdict == TVerdict::Clearable) {
      TWinnableDeal Deal;
      for (int I = 0; I < Board.CellCount(); ++I)
        Deal.Colors.push_back(Board.Cells()[I].Color);
      Deal.Clearing = std::move(Answer.Moves);
      return Deal;
    }
  }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The searches of one FindClearing call run side by side and share one end: the first
// answer, a cancel request, the time limit, or the work cap. Under a work cap the answer
// must not depend on which thread is faster, so a racer stops only once its own work passes
// the work at which another racer answered, and the lowest such work wins.

#include "solver/SearchTypes.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>

class TSearchRace;

// One search's share of the race: it counts its own work and asks whether to go on.
class TRacer {
public:
  TRacer(TSearchRace& Race, int Index, std::uint64_t Cap, std::chrono::steady_clock::time_point End)
      : FRace(Race), FIndex(Index), FCap(Cap), FEnd(End) {}
  // The same racer's next search: its work goes on from where Before stopped, so the work at
  // which it answers still compares fairly with the other racers'.
  TRacer(const TRacer& Before, std::uint64_t Cap, std::chrono::steady_clock::time_point End)
      : FRace(Before.FRace), FIndex(Before.FIndex), FCap(Cap), FEnd(End), FWork(Before.FWork) {}
  // Counts one generated board; false once this search must stop.
  bool Tick() {
    ++FWork;
    // Without a work cap a search only counts between polls.
    if (!FCapped && (FWork & 1023) != 0)
      return true;
    return Poll();
  }
  // For long loops that generate no boards: reads the shared flags and the clock without
  // counting work, so a stop is seen there too; false once this search must stop.
  bool Check();
  bool Stopped() const { return FStopped; }
  // Which of the race's searches this is: 0 for the beam that every search runs.
  int Index() const { return FIndex; }
  bool Answered() const { return FAnswered; }
  void Answer(TVerdict Verdict, std::vector<TRemoval> Moves);

private:
  bool Poll();

  TSearchRace& FRace;
  int FIndex;
  std::uint64_t FCap; // 0: time only
  std::chrono::steady_clock::time_point FEnd;
  std::uint64_t FWork = 0;
  bool FCapped = FCap != 0;
  bool FStopped = false;
  bool FAnswered = false;
};

class TSearchRace {
public:
  static constexpr int MaxRacers = 2;
  static constexpr std::uint64_t Never = ~std::uint64_t{0};

  TSearchRace(const std::atomic<bool>* Cancel, bool Capped) : FCancel(Cancel), FCapped(Capped) {}
  bool Cancelled() const { return FCancel && FCancel->load(std::memory_order_relaxed); }
  // Whether some racer has answered already.
  bool Answered() const;
  // The answer with the least work, the first racer on a tie; Unknown after a cancel.
  TClearingAnswer Result() const;

private:
  friend class TRacer;
  void Answer(int Index, std::uint64_t Work, TVerdict Verdict, std::vector<TRemoval> Moves);
  // The least work at which another racer answered.
  std::uint64_t OthersAnswered(int Index) const;

  const std::atomic<bool>* FCancel;
  bool FCapped;
  std::atomic<bool> FOver{false}; // set on the first answer of a race without a work cap
  std::array<std::atomic<std::uint64_t>, MaxRacers> FAnsweredAt{Never, Never};
  mutable std::mutex FMutex;
  std::array<TClearingAnswer, MaxRacers> FAnswers;
  int FFirst = -1; // the racer that answered first in time
};

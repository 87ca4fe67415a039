// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finding half of the clearing search: beam searches of growing width, one move per
// level, that keep the boards with the fewest lone boxes, each board's best children before
// any board's next ones. Boards with a colour of one box are dropped, and so are boards
// already proved lost. A beam that never had to drop a board for want of room has seen every
// line, which proves there is no clearing.

#include "solver/LostBoards.h"
#include "solver/Position.h"
#include "solver/SearchRace.h"

#include <cstdint>
#include <random>
#include <vector>

class TBeamSearch {
public:
  // Lost, when given, holds boards proved lost, which the beam need not keep.
  TBeamSearch(const TPosition& Start, TRacer& Racer, std::uint64_t Seed,
              const TLostBoards* Lost = nullptr);
  // Searches until it answers or the racer stops it.
  void Run();
  // Parents expanded after the search was stopped: none, or a stop waits for them.
  std::uint64_t ExpandedAfterStop() const { return FExpandedAfterStop; }

private:
  // A board of the next level, kept as the move that leads to it.
  struct TCandidate {
    std::uint32_t Score;
    std::uint32_t Parent;
    std::uint64_t Hash;
    std::uint8_t Cell;
  };
  // A level's boards, and how each was reached from the level before.
  struct TStep {
    std::uint32_t Parent;
    TRemoval Move;
  };

  enum class TOutcome { Cleared, Exhausted, Truncated, Stopped };
  TOutcome Beam(std::size_t Width);
  bool Expand(std::size_t Parent, const TPosition& Board);
  bool Deduplicate(const std::vector<TPosition>& Level, bool Compare);
  void Select(std::size_t Width, std::size_t Parents);
  std::vector<TRemoval> Line(const TRemoval& Last, std::uint32_t Parent) const;
  std::uint32_t Score(const TPosition& Board);

  const TPosition& FStart;
  TRacer& FRacer;
  const TLostBoards* FLost;
  std::mt19937_64 FRandom;
  std::vector<TGroup> FGroups;
  std::vector<TCandidate> FCandidates;
  std::vector<TCandidate> FOthers;      // those Select keeps only to fill the beam
  std::vector<std::uint32_t> FBest;     // per parent, of Select
  std::vector<std::uint8_t> FPreferred; // per candidate, of Select
  std::size_t FPerParent;
  bool FLoneOnly;                         // the score of the other thread's beam
  std::vector<std::uint32_t> FSlots;      // the open-addressed table of Deduplicate
  std::vector<std::vector<TStep>> FSteps; // per level
  std::vector<TRemoval> FFound;
  std::uint64_t FExpandedAfterStop = 0;
};

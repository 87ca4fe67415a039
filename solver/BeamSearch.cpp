// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/BeamSearch.h"

#include <algorithm>

namespace {

constexpr std::size_t FirstWidth = 16;
constexpr std::size_t WidestBeam = std::size_t{1} << 15;
// Scores are scaled so that the noise only breaks ties between equally scored boards.
// Boards are told apart by their 64-bit hashes; a false merge needs a collision.
constexpr std::uint32_t NoiseRange = 16;

} // namespace

TBeamSearch::TBeamSearch(const TPosition& Start, TRacer& Racer, std::uint64_t Seed)
    : FStart(Start), FRacer(Racer), FRandom(Seed) {}

void TBeamSearch::Run() {
  if (FStart.Boxes() == 0)
    return FRacer.Answer(TVerdict::Clearable, {});
  if (FStart.Dead())
    return FRacer.Answer(TVerdict::NotClearable, {});
  for (std::size_t Width = FirstWidth;; Width = std::min(Width * 2, WidestBeam)) {
    switch (Beam(Width)) {
    case TOutcome::Cleared:
      return FRacer.Answer(TVerdict::Clearable, std::move(FFound));
    case TOutcome::Exhausted:
      return FRacer.Answer(TVerdict::NotClearable, {});
    case TOutcome::Stopped:
      return;
    case TOutcome::Truncated:
      break;
    }
  }
}

TBeamSearch::TOutcome TBeamSearch::Beam(std::size_t Width) {
  bool Truncated = false;
  std::vector<TPosition> Level{FStart};
  std::vector<TPosition> Next;
  FSteps.assign(1, {{0, {0, 0}}});
  while (!Level.empty()) {
    FCandidates.clear();
    for (std::size_t I = 0; I < Level.size(); ++I)
      if (Expand(I, Level[I]))
        return TOutcome::Cleared;
    if (FRacer.Stopped())
      return TOutcome::Stopped;
    // Boards reached along several lines are kept once, at their best score.
    std::sort(FCandidates.begin(), FCandidates.end(), [](const auto& A, const auto& B) {
      return A.Hash != B.Hash ? A.Hash < B.Hash : A.Score < B.Score;
    });
    FCandidates.erase(std::unique(FCandidates.begin(), FCandidates.end(),
                                  [](const auto& A, const auto& B) { return A.Hash == B.Hash; }),
                      FCandidates.end());
    if (FCandidates.size() > Width) {
      Truncated = true;
      std::nth_element(FCandidates.begin(), FCandidates.begin() + static_cast<long>(Width),
                       FCandidates.end(),
                       [](const auto& A, const auto& B) { return A.Score < B.Score; });
      FCandidates.resize(Width);
    }
    Next.clear();
    std::vector<TStep>& Steps = FSteps.emplace_back();
    for (const TCandidate& Candidate : FCandidates) {
      const TPosition& Parent = Level[Candidate.Parent];
      Steps.push_back({Candidate.Parent, Parent.Removal(Candidate.Cell)});
      Next.push_back(Parent);
      Next.back().Remove(Candidate.Cell);
    }
    std::swap(Level, Next);
  }
  return Truncated ? TOutcome::Truncated : TOutcome::Exhausted;
}

// Adds every child of the board to the candidates; true when one of them is empty.
bool TBeamSearch::Expand(std::size_t Parent, const TPosition& Board) {
  FGroups.clear();
  Board.Groups(FGroups);
  const std::size_t Moves = FGroups.size();
  for (std::size_t I = 0; I < Moves; ++I) {
    const TGroup Move = FGroups[I];
    if (!FRacer.Tick())
      return false;
    TPosition Child = Board;
    Child.Remove(Move.Cell);
    if (Child.Boxes() == 0) {
      FFound = Line(Board.Removal(Move.Cell), static_cast<std::uint32_t>(Parent));
      return true;
    }
    if (Child.Dead())
      continue;
    const std::uint32_t Value = Score(Child) * NoiseRange + FRandom() % NoiseRange;
    FCandidates.push_back({Value, static_cast<std::uint32_t>(Parent), Child.Hash(), Move.Cell});
  }
  return false;
}

// The moves from the start to the parent at the current level, then Last.
std::vector<TRemoval> TBeamSearch::Line(const TRemoval& Last, std::uint32_t Parent) const {
  std::vector<TRemoval> Moves{Last};
  for (std::size_t Level = FSteps.size() - 1; Level > 0; --Level) {
    const TStep& Step = FSteps[Level][Parent];
    Moves.push_back(Step.Move);
    Parent = Step.Parent;
  }
  std::reverse(Moves.begin(), Moves.end());
  return Moves;
}

// Lone boxes each need a merge before they can go; boards with fewer of them clear more
// often. Counting the other pieces too made the beam find fewer clearings: the random order
// among equal boards keeps the beam varied.
std::uint32_t TBeamSearch::Score(const TPosition& Board) {
  return static_cast<std::uint32_t>(Board.LoneBoxes());
}

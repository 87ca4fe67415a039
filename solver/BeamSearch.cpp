// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/BeamSearch.h"
#include "solver/SearchLimits.h"

#include <algorithm>
#include <bit>

namespace {

using SearchLimits::FinderChildren;
using SearchLimits::FirstBeamWidth;
using SearchLimits::OtherChildren;
using SearchLimits::WidestBeam;
// Scores are scaled so that the noise only breaks ties between equally scored boards.
constexpr std::uint32_t NoiseRange = 16;
// Loops that generate no boards look at the stop this often.
constexpr std::size_t CheckEvery = 1024;
constexpr std::uint32_t NoCandidate = ~std::uint32_t{0};

TPosition ChildOf(const TPosition& Parent, std::uint8_t Cell) {
  TPosition Child = Parent;
  Child.Remove(Cell);
  return Child;
}

} // namespace

TBeamSearch::TBeamSearch(const TPosition& Start, TRacer& Racer, std::uint64_t Seed,
                         const TLostBoards* Lost)
    : FStart(Start), FRacer(Racer), FLost(Lost), FRandom(Seed),
      FPerParent(Racer.Index() == 0 ? FinderChildren : OtherChildren),
      FLoneOnly(Racer.Index() != 0) {}

void TBeamSearch::Run() {
  if (FStart.Boxes() == 0)
    return FRacer.Answer(TVerdict::Clearable, {});
  if (FStart.Dead())
    return FRacer.Answer(TVerdict::NotClearable, {});
  for (std::size_t Width = FirstBeamWidth;; Width = std::min(Width * 2, WidestBeam)) {
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
    // No parent is expanded once the search is stopped: a stop never waits for a level.
    for (std::size_t I = 0; I < Level.size(); ++I) {
      if (FRacer.Stopped())
        return TOutcome::Stopped;
      if (Expand(I, Level[I]))
        return TOutcome::Cleared;
    }
    if (FRacer.Stopped() || !Deduplicate(Level, !Truncated) || !FRacer.Check())
      return TOutcome::Stopped;
    if (FCandidates.size() > Width) {
      Truncated = true;
      Select(Width, Level.size());
    }
    Next.clear();
    std::vector<TStep>& Steps = FSteps.emplace_back();
    for (const TCandidate& Candidate : FCandidates) {
      if (Next.size() % CheckEvery == CheckEvery - 1 && !FRacer.Check())
        return TOutcome::Stopped;
      const TPosition& Parent = Level[Candidate.Parent];
      Steps.push_back({Candidate.Parent, Parent.Removal(Candidate.Cell)});
      Next.push_back(ChildOf(Parent, Candidate.Cell));
    }
    std::swap(Level, Next);
  }
  return Truncated ? TOutcome::Truncated : TOutcome::Exhausted;
}

// Boards reached along several lines are kept once, at their best score, the first on a tie.
// A hash table rather than a sort by hash: the sort was a tenth of the beam's time. Until the
// beam has dropped a board for want of room, boards of equal hashes are compared whole: a
// false merge would drop one unseen, and such a beam's end proves the board lost. Once it has,
// its end proves nothing, and a merge costs no more than the drops. False when stopped.
bool TBeamSearch::Deduplicate(const std::vector<TPosition>& Level, bool Compare) {
  const auto Same = [&](const TCandidate& A, const TCandidate& B) {
    return A.Hash == B.Hash &&
           (!Compare ||
            ChildOf(Level[A.Parent], A.Cell).SameBoxes(ChildOf(Level[B.Parent], B.Cell)));
  };
  const std::size_t Slots = std::bit_ceil(FCandidates.size() * 2 + 1);
  const int Shift = 64 - std::countr_zero(Slots);
  FSlots.assign(Slots, 0);
  std::size_t Kept = 0;
  for (std::size_t I = 0; I < FCandidates.size(); ++I) {
    if (I % CheckEvery == CheckEvery - 1 && !FRacer.Check())
      return false;
    const TCandidate& Candidate = FCandidates[I];
    // The high bits of the mixed hash; slots hold a kept index plus one, zero when free.
    std::size_t Slot = Shift == 64 ? 0 : static_cast<std::size_t>(Candidate.Hash >> Shift);
    while (FSlots[Slot] != 0 && !Same(FCandidates[FSlots[Slot] - 1], Candidate))
      Slot = (Slot + 1) & (Slots - 1);
    if (FSlots[Slot] == 0) {
      FCandidates[Kept] = Candidate;
      FSlots[Slot] = static_cast<std::uint32_t>(++Kept);
    } else if (TCandidate& Same = FCandidates[FSlots[Slot] - 1]; Candidate.Score < Same.Score) {
      Same = Candidate;
    }
  }
  FCandidates.resize(Kept);
  return true;
}

// Keeps Width candidates: the best among each parent's FPerParent best children, then, while
// room is left, the best of the rest. Scores alone let the children of a few good boards fill the
// beam, and those are often one family that is lost at its end alike: on hard boards under a work
// cap this answered about a third of the positions that the scores alone left unanswered. Which
// boards a truncated beam keeps never makes an answer unsound: a clearing is a line of legal
// moves, and only a beam that never dropped a board proves one lost.
void TBeamSearch::Select(std::size_t Width, std::size_t Parents) {
  const auto Better = [](const TCandidate& A, const TCandidate& B) { return A.Score < B.Score; };
  FPreferred.assign(FCandidates.size(), 0);
  for (std::size_t Round = 0; Round < FPerParent; ++Round) {
    FBest.assign(Parents, NoCandidate);
    for (std::size_t I = 0; I < FCandidates.size(); ++I) {
      std::uint32_t& Best = FBest[FCandidates[I].Parent];
      if (!FPreferred[I] && (Best == NoCandidate || Better(FCandidates[I], FCandidates[Best])))
        Best = static_cast<std::uint32_t>(I);
    }
    for (const std::uint32_t Best : FBest)
      if (Best != NoCandidate)
        FPreferred[Best] = 1;
  }
  FOthers.clear();
  std::size_t Kept = 0;
  for (std::size_t I = 0; I < FCandidates.size(); ++I)
    if (FPreferred[I])
      FCandidates[Kept++] = FCandidates[I];
    else
      FOthers.push_back(FCandidates[I]);
  FCandidates.resize(Kept);
  const auto KeepBest = [&](std::vector<TCandidate>& From, std::size_t Count) {
    std::nth_element(From.begin(), From.begin() + static_cast<long>(Count), From.end(), Better);
    From.resize(Count);
  };
  if (Kept >= Width) {
    if (Kept > Width)
      KeepBest(FCandidates, Width);
    return;
  }
  KeepBest(FOthers, Width - Kept);
  FCandidates.insert(FCandidates.end(), FOthers.begin(), FOthers.end());
}

// Adds every child of the board to the candidates; true when one of them is empty.
bool TBeamSearch::Expand(std::size_t Parent, const TPosition& Board) {
  FExpandedAfterStop += FRacer.Stopped();
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
    const std::uint64_t Hash = Child.Hash();
    if (FLost && FLost->Contains(Child, Hash))
      continue;
    const std::uint32_t Value = Score(Child) * NoiseRange + FRandom() % NoiseRange;
    FCandidates.push_back({Value, static_cast<std::uint32_t>(Parent), Hash, Move.Cell});
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
// often. A colour down to two or three boxes must go in a single move, which most later moves
// can spoil: each such colour counts half a lone box. On hard boards the two beams left
// unanswered under a work cap, that found clearings for five in seventeen where lone boxes
// alone found none. Counting all the other pieces too made the beam find fewer clearings: the
// random order among equal boards keeps the beam varied. The other thread's beam, which keeps
// each board's two best children, counts lone boxes alone, so the two beams keep different
// boards: over 400 hard positions that answered two more within 1.5M boards and one more
// within 15M than both beams scored alike.
std::uint32_t TBeamSearch::Score(const TPosition& Board) {
  if (FLoneOnly)
    return static_cast<std::uint32_t>(Board.LoneBoxes());
  int Few = 0;
  for (int Color = 1; Color <= TPosition::MaxColors; ++Color) {
    const int Count = Board.Count(static_cast<std::uint8_t>(Color));
    Few += Count == 2 || Count == 3;
  }
  return static_cast<std::uint32_t>(2 * Board.LoneBoxes() + Few);
}

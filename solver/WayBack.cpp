// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/WayBack.h"

#include "solver/LostBoards.h"
#include "solver/SearchLimits.h"

#include <algorithm>
#include <cstdlib>

TWayBackStep PlanWayBack(const std::vector<TVerdict>& Verdicts, const std::vector<int>& Searched,
                         int MaxSearches) {
  const int Last = static_cast<int>(Verdicts.size()) - 1;
  TWayBackStep Step;
  Step.Lost = Last;
  for (int Index = 0; Index < Last; ++Index)
    if (Verdicts[static_cast<std::size_t>(Index)] == TVerdict::Clearable)
      Step.Clearable = Index;
  for (int Index = Last - 1; Index > Step.Clearable; --Index)
    if (Verdicts[static_cast<std::size_t>(Index)] == TVerdict::NotClearable)
      Step.Lost = Index;
  if (Step.Lost == Step.Clearable + 1) {
    Step.Kind = TWayBackStep::TKind::Proved;
    Step.Index = Step.Clearable;
    return Step;
  }
  // Most boards are lost a few moves before the player notices: with nothing clearable known,
  // the stride back from the first lost board doubles; then the stretch is halved.
  const int Target = Step.Clearable >= 0 ? (Step.Clearable + Step.Lost) / 2
                                         : std::max(0, Step.Lost - (Last - Step.Lost + 1));
  const auto Tries = [&](int Index) {
    return static_cast<std::size_t>(Index) < Searched.size()
               ? Searched[static_cast<std::size_t>(Index)]
               : 0;
  };
  // A board whose search ran out gives way to the others of the stretch, nearest the target
  // first, before it is searched again.
  for (int Index = Step.Clearable + 1; Index < Step.Lost; ++Index) {
    if (Tries(Index) >= MaxSearches)
      continue;
    if (Step.Index < 0 || Tries(Index) < Tries(Step.Index) ||
        (Tries(Index) == Tries(Step.Index) &&
         std::abs(Index - Target) < std::abs(Step.Index - Target)))
      Step.Index = Index;
  }
  Step.Kind = Step.Index < 0 ? TWayBackStep::TKind::Exhausted : TWayBackStep::TKind::Search;
  return Step;
}

TWayBack FindWayBack(const std::vector<const TMap*>& History, const TSearchBudget& PerBoard,
                     const std::atomic<bool>* Cancel, int MaxSearches) {
  // Each board is one move before the next: what was proved lost on one board leaves its
  // neighbours less to search.
  TLostBoards Lost(SearchLimits::LearnedBits);
  std::vector<TVerdict> Verdicts(History.size(), TVerdict::Unknown);
  std::vector<int> Searched(History.size(), 0);
  std::vector<TClearingAnswer> Clearings(History.size());
  TWayBack Back;
  if (History.empty())
    return Back;
  Verdicts.back() = TVerdict::NotClearable;
  const int Last = static_cast<int>(History.size()) - 1;
  for (;;) {
    const TWayBackStep Step = PlanWayBack(Verdicts, Searched, MaxSearches);
    if (Step.Kind != TWayBackStep::TKind::Search || (Cancel && Cancel->load())) {
      const bool Proved = Step.Kind == TWayBackStep::TKind::Proved;
      Back.Unwinnable = Proved && Step.Clearable < 0;
      if (Step.Clearable >= 0) {
        (Proved ? Back.MovesBack : Back.CouldClearBack) = Last - Step.Clearable;
        Back.Answer = std::move(Clearings[static_cast<std::size_t>(Step.Clearable)]);
      }
      return Back;
    }
    const auto Index = static_cast<std::size_t>(Step.Index);
    TClearingAnswer Answer = FindClearing(*History[Index], PerBoard, Cancel, Lost);
    ++Back.Searches;
    Verdicts[Index] = Answer.Verdict;
    Searched[Index] += Answer.Verdict == TVerdict::Unknown;
    if (Answer.Verdict == TVerdict::Clearable)
      Clearings[Index] = std::move(Answer);
  }
}

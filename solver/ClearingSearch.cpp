// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ClearingSearch.h"

#include "solver/BeamSearch.h"
#include "solver/ExactSearch.h"
#include "solver/Position.h"
#include "solver/SearchRace.h"

#include <algorithm>

namespace {

using std::chrono::steady_clock;

enum : int { FinderIndex = 0, ProverIndex = 1 };

// Beyond this many boxes in more than three colours the exhaustive search hardly ever ends
// within a hint's time, so a second beam, ordered by other random draws, makes better use
// of the second core. In three colours it finds clearings of any board fast.
bool ExhaustiveFits(const TPosition& Start) {
  return Start.Boxes() <= 120 || Start.ColorsLeft() <= 3;
}

// Boards up to this size, too large for the exhaustive search to end, still often have a
// clearing it finds early.
constexpr int GlanceBoxes = 140;

// The end of a search that may take Time from Now; a time beyond any search means none.
steady_clock::time_point EndAfter(steady_clock::time_point Now, std::chrono::milliseconds Time) {
  constexpr auto Year = std::chrono::hours(24 * 365);
  return Time >= Year ? steady_clock::time_point::max() : Now + Time;
}

// Alone on one thread, the exhaustive search gets a quarter of the budget first where it
// stands a chance: it settles small boards at once and would rarely finish a large one.
TClearingAnswer SearchOnOneThread(const TPosition& Start, const TSearchBudget& Budget,
                                  TSearchRace& Race) {
  const auto Now = steady_clock::now();
  std::uint64_t FinderWork = Budget.Work;
  if (ExhaustiveFits(Start)) {
    const std::uint64_t ProverWork =
        Budget.Work == 0 ? 0 : std::max<std::uint64_t>(1, Budget.Work / 4);
    TRacer Prover(Race, ProverIndex, ProverWork, EndAfter(Now, Budget.Time / 4));
    TExactSearch(Start, Prover).Run();
    FinderWork = Budget.Work == 0 ? 0 : std::max<std::uint64_t>(1, Budget.Work - ProverWork);
  }
  if (!Race.Answered() && !Race.Cancelled()) {
    TRacer Finder(Race, FinderIndex, FinderWork, EndAfter(Now, Budget.Time));
    TBeamSearch(Start, Finder, Start.Hash()).Run();
  }
  return Race.Result();
}

} // namespace

TClearingAnswer FindClearing(const TMap& Board, const TSearchBudget& Budget,
                             const std::atomic<bool>* Cancel) {
  const TPosition Start = TPosition::Settled(Board);
  TSearchRace Race(Cancel, Budget.Work != 0);
  if (Race.Cancelled())
    return {};
  if (Budget.Threads < 2)
    return SearchOnOneThread(Start, Budget, Race);
  const auto End = EndAfter(steady_clock::now(), Budget.Time);
  TRacer Finder(Race, FinderIndex, Budget.Work, End);
  TRacer Prover(Race, ProverIndex, Budget.Work, End);
  std::thread Helper([&] {
    if (ExhaustiveFits(Start))
      return TExactSearch(Start, Prover).Run();
    if (Start.Boxes() > GlanceBoxes)
      return TBeamSearch(Start, Prover, ~Start.Hash()).Run();
    // The depth-first order finds some mid-game clearings at once that the beams miss, so it
    // gets an eighth of the budget before the second beam.
    const std::uint64_t GlanceWork =
        Budget.Work == 0 ? 0 : std::max<std::uint64_t>(1, Budget.Work / 8);
    TRacer Glance(Race, ProverIndex, GlanceWork,
                  std::min(End, EndAfter(steady_clock::now(), Budget.Time / 8)));
    TExactSearch(Start, Glance).Run();
    if (Glance.Answered())
      return;
    TRacer Beam(Glance, Budget.Work, End);
    TBeamSearch(Start, Beam, ~Start.Hash()).Run();
  });
  TBeamSearch(Start, Finder, Start.Hash()).Run();
  Helper.join();
  return Race.Result();
}

struct TClearingSearch::TRun {
  std::uint64_t Ticket = 0;
  std::chrono::milliseconds Budget{0};
  TMap Board;
  std::atomic<bool> Cancelled{false};
  std::thread Thread; // started last, once the rest is complete
};

TClearingSearch::TClearingSearch(TListener Listener) : FListener(std::move(Listener)) {}

TClearingSearch::~TClearingSearch() {
  Cancel();
}

std::uint64_t TClearingSearch::Start(const TMap& Board, std::chrono::milliseconds Budget) {
  Cancel();
  auto Run = std::make_unique<TRun>();
  Run->Budget = Budget;
  Run->Board.SetWidth(Board.Width());
  Run->Board.SetHeight(Board.Height());
  Run->Board.Assign(Board);
  std::lock_guard Lock(FMutex);
  Run->Ticket = ++FTicket;
  Run->Thread = std::thread(&TClearingSearch::Execute, this, std::ref(*Run));
  FRun = std::move(Run);
  return FRun->Ticket;
}

void TClearingSearch::Cancel() {
  std::unique_ptr<TRun> Old;
  {
    // Under the lock, so a listener call is either over or will not happen.
    std::lock_guard Lock(FMutex);
    if (FRun)
      FRun->Cancelled.store(true);
    Old = std::move(FRun);
  }
  if (Old)
    Old->Thread.join();
}

void TClearingSearch::Execute(TRun& Run) {
  const TClearingAnswer Answer = FindClearing(Run.Board, {Run.Budget, 0, 2}, &Run.Cancelled);
  std::lock_guard Lock(FMutex);
  if (!Run.Cancelled.load())
    FListener(Run.Ticket, Answer);
}

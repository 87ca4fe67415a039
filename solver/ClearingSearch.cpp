// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ClearingSearch.h"

#include "solver/BeamSearch.h"
#include "solver/ExactSearch.h"
#include "solver/LostBoards.h"
#include "solver/Position.h"
#include "solver/SearchLimits.h"
#include "solver/SearchRace.h"

#include <algorithm>
#include <iterator>

namespace {

using std::chrono::steady_clock;

enum : int { FinderIndex = 0, ProverIndex = 1 };

using namespace SearchLimits;

bool ExhaustiveFits(const TPosition& Start) {
  return Start.Boxes() <= ExhaustiveBoxes || Start.ColorsLeft() <= ExhaustiveColors;
}

// A share of a work cap; no cap stays no cap.
std::uint64_t WorkShare(std::uint64_t Work, int Share) {
  return Work == 0 ? 0 : std::max<std::uint64_t>(1, Work / static_cast<std::uint64_t>(Share));
}

// The end of a search that may take Time from Now; a time beyond any search means none.
steady_clock::time_point EndAfter(steady_clock::time_point Now, std::chrono::milliseconds Time) {
  constexpr auto Year = std::chrono::hours(24 * 365);
  return Time >= Year ? steady_clock::time_point::max() : Now + Time;
}

TClearingAnswer SearchOnOneThread(const TPosition& Start, const TSearchBudget& Budget,
                                  TSearchRace& Race, TLostBoards& Lost) {
  const auto Now = steady_clock::now();
  std::uint64_t FinderWork = Budget.Work;
  if (ExhaustiveFits(Start)) {
    const std::uint64_t ProverWork = WorkShare(Budget.Work, OneThreadExhaustiveShare);
    TRacer Prover(Race, ProverIndex, ProverWork,
                  EndAfter(Now, Budget.Time / OneThreadExhaustiveShare));
    TExactSearch(Start, Prover, Lost).Run();
    FinderWork = Budget.Work == 0 ? 0 : std::max<std::uint64_t>(1, Budget.Work - ProverWork);
  }
  if (!Race.Answered() && !Race.Cancelled()) {
    TRacer Finder(Race, FinderIndex, FinderWork, EndAfter(Now, Budget.Time));
    TBeamSearch(Start, Finder, Start.Hash(), &Lost).Run();
  }
  return Race.Result();
}

TClearingAnswer SearchOnTwoThreads(const TPosition& Start, const TSearchBudget& Budget,
                                   TSearchRace& Race, TLostBoards& Lost) {
  const auto End = EndAfter(steady_clock::now(), Budget.Time);
  TRacer Finder(Race, FinderIndex, Budget.Work, End);
  TRacer Prover(Race, ProverIndex, Budget.Work, End);
  // Under a work cap the beams must not see what the other thread proves meanwhile: their
  // answers would then depend on which thread is faster.
  const TLostBoards* Known = Budget.Work == 0 ? &Lost : nullptr;
  std::thread Helper([&] {
    if (ExhaustiveFits(Start))
      return TExactSearch(Start, Prover, Lost).Run();
    if (Start.Boxes() > GlanceBoxes)
      return TBeamSearch(Start, Prover, ~Start.Hash(), Known).Run();
    TRacer Glance(Race, ProverIndex, WorkShare(Budget.Work, GlanceShare),
                  std::min(End, EndAfter(steady_clock::now(), Budget.Time / GlanceShare)));
    TExactSearch(Start, Glance, Lost).Run();
    if (Glance.Answered())
      return;
    TRacer Beam(Glance, Budget.Work, End);
    TBeamSearch(Start, Beam, ~Start.Hash(), Known).Run();
  });
  TBeamSearch(Start, Finder, Start.Hash(), Known).Run();
  Helper.join();
  return Race.Result();
}

} // namespace

TClearingAnswer FindClearing(const TMap& Board, const TSearchBudget& Budget,
                             const std::atomic<bool>* Cancel, TLostBoards& Lost) {
  const TPosition Start = TPosition::Settled(Board);
  TSearchRace Race(Cancel, Budget.Work != 0);
  if (Race.Cancelled())
    return {};
  if (Start.Boxes() > 0 && Lost.Contains(Start, Start.Hash()))
    return {TVerdict::NotClearable, {}};
  TClearingAnswer Answer = Budget.Threads < 2 ? SearchOnOneThread(Start, Budget, Race, Lost)
                                              : SearchOnTwoThreads(Start, Budget, Race, Lost);
  // Only a proof goes in: a search that ran out of time or work has proved nothing.
  if (Answer.Verdict == TVerdict::NotClearable)
    Lost.Add(Start, Start.Hash());
  return Answer;
}

TClearingAnswer FindClearing(const TMap& Board, const TSearchBudget& Budget,
                             const std::atomic<bool>* Cancel) {
  // Sized for the board, as only this search fills it.
  TLostBoards Lost(TLostBoards::BitsFor(Board.Width() * Board.Height()));
  return FindClearing(Board, Budget, Cancel, Lost);
}

struct TClearingSearch::TRun {
  std::uint64_t Ticket = 0;
  std::chrono::milliseconds Budget{0};
  TMap Board;
  std::atomic<bool> Cancelled{false};
  std::atomic<bool> Done{false}; // set as the thread's last step: joining it then waits for nothing
  std::thread Thread;            // started last, once the rest is complete
};

TClearingSearch::TClearingSearch(TListener Listener)
    : FListener(std::move(Listener)), FLost(std::make_unique<TLostBoards>(LearnedBits)) {}

TClearingSearch::~TClearingSearch() {
  Cancel();
  Reap(true);
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
  {
    // Under the lock, so a listener call is either over or will not happen.
    std::lock_guard Lock(FMutex);
    if (FRun) {
      FRun->Cancelled.store(true);
      FEnding.push_back(std::move(FRun));
    }
  }
  Reap(false);
}

// A cancelled search stops within a thousand boards, but the caller never waits even for
// those: its thread is joined once it is done, here on a later call or by the destructor.
void TClearingSearch::Reap(bool All) {
  std::vector<std::unique_ptr<TRun>> Ended;
  {
    std::lock_guard Lock(FMutex);
    const auto First = std::partition(FEnding.begin(), FEnding.end(), [&](const auto& Run) {
      return !All && !Run->Done.load(std::memory_order_acquire);
    });
    std::move(First, FEnding.end(), std::back_inserter(Ended));
    FEnding.erase(First, FEnding.end());
  }
  for (const auto& Run : Ended)
    Run->Thread.join();
}

void TClearingSearch::Execute(TRun& Run) {
  // A cancelled run may still be ending when the next starts: they share the lost boards,
  // whose entries are read and written whole, and a stopped search adds only what it proved.
  const TClearingAnswer Answer =
      FindClearing(Run.Board, {Run.Budget, 0, 2}, &Run.Cancelled, *FLost);
  {
    std::lock_guard Lock(FMutex);
    if (!Run.Cancelled.load())
      FListener(Run.Ticket, Answer);
  }
  Run.Done.store(true, std::memory_order_release);
}

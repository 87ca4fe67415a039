// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ClearingSearch.h"

#include "solver/BeamSearch.h"
#include "solver/ExactSearch.h"
#include "solver/LostBoards.h"
#include "solver/Position.h"
#include "solver/SearchLimits.h"
#include "solver/SearchRace.h"

#include <algorithm>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

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
  TSearchBudget Budget;
  bool Idle = false;
  TMap Board;
  std::atomic<bool> Cancelled{false};
  std::atomic<bool> Claimed{false}; // by the answer or by the cancel, whichever comes first
  std::atomic<bool> Done{false};    // the thread has nothing left to do but end
  std::thread Thread;               // started last, once the rest is complete
};

TClearingSearch::TClearingSearch(TListener Listener)
    : FListener(std::move(Listener)), FLost(std::make_unique<TLostBoards>(LearnedBits)) {}

TClearingSearch::~TClearingSearch() {
  Cancel();
  Reap(true);
}

std::uint64_t TClearingSearch::Start(const TMap& Board, std::chrono::milliseconds Budget) {
  return Start(Board, {Budget, 0, 2}, false);
}

std::uint64_t TClearingSearch::Start(const TMap& Board, const TSearchBudget& Budget, bool Idle) {
  Cancel();
  auto Run = std::make_unique<TRun>();
  Run->Budget = Budget;
  Run->Idle = Idle;
  if (Idle)
    Run->Budget.Threads = 1;
  Run->Board.SetWidth(Board.Width());
  Run->Board.SetHeight(Board.Height());
  Run->Board.Assign(Board);
  Run->Ticket = ++FTicket;
  Run->Thread = std::thread(&TClearingSearch::Execute, this, std::ref(*Run));
  FRun = std::move(Run);
  return FRun->Ticket;
}

void TClearingSearch::Cancel() {
  if (FRun) {
    FRun->Cancelled.store(true);
    FRun->Claimed.store(true);
    // Joining could wait for a thread of the lowest priority to be given the processor.
    FRun->Thread.detach();
    FRetired.push_back(std::move(FRun));
  }
  Reap(false);
}

std::size_t TClearingSearch::Threads() const {
  return FRetired.size() + (FRun ? 1 : 0);
}

// A cancelled run is freed once its thread is done with it; only destruction waits for that.
void TClearingSearch::Reap(bool Wait) {
  for (;;) {
    std::erase_if(FRetired, [](const std::unique_ptr<TRun>& Run) { return Run->Done.load(); });
    if (!Wait || FRetired.empty())
      return;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void TClearingSearch::Execute(TRun& Run) {
#ifdef __linux__
  // Only this thread: nobody waits for it, so the desktop and the game's animation go first.
  if (Run.Idle) {
    const sched_param Param{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &Param);
  }
#endif
  // Cancelled runs may still be ending while the next one starts; the lost boards are shared
  // by racing threads anyway, and a cancelled search adds only what it proved.
  const TClearingAnswer Answer = FindClearing(Run.Board, Run.Budget, &Run.Cancelled, *FLost);
  if (!Run.Claimed.exchange(true))
    FListener(Run.Ticket, Answer);
  // The last touch of Run: a cancelled run is freed once it is seen.
  Run.Done.store(true);
}

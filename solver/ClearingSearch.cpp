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

// Shared by the caller and the search thread, which holds it, and the lost boards, until it
// ends: a cancelled search is never waited for, not even by the destructor.
struct TClearingSearch::TRun {
  std::uint64_t Ticket = 0;
  TSearchBudget Budget;
  bool Idle = false;
  TMap Board;
  std::atomic<bool> Cancelled{false};
  std::atomic<bool> Claimed{false}; // by the answer or by the cancel, whichever comes first
  std::atomic<bool> Done{false};    // the thread has nothing left to do but end
  bool Answering = false;           // the caller's: its thread had claimed the answer first
};

TClearingSearch::TClearingSearch(TListener Listener)
    : FListener(std::move(Listener)), FLost(std::make_shared<TLostBoards>(LearnedBits)) {}

// A thread that claimed its answer is calling the listener, a short call that must end first.
// Every other one ends on its own: at the lowest priority on a busy machine that may take
// seconds, which nobody should wait for, least of all a player closing the game.
TClearingSearch::~TClearingSearch() {
  Cancel();
  for (const std::shared_ptr<TRun>& Run : FRetired)
    while (Run->Answering && !Run->Done.load())
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::uint64_t TClearingSearch::Start(const TMap& Board, std::chrono::milliseconds Budget) {
  return Start(Board, {Budget, 0, 2}, false);
}

std::uint64_t TClearingSearch::Start(const TMap& Board, const TSearchBudget& Budget, bool Idle) {
  Cancel();
  auto Run = std::make_shared<TRun>();
  Run->Budget = Budget;
  Run->Idle = Idle;
  if (Idle)
    Run->Budget.Threads = 1;
  Run->Board.SetWidth(Board.Width());
  Run->Board.SetHeight(Board.Height());
  Run->Board.Assign(Board);
  Run->Ticket = ++FTicket;
  std::thread(&TClearingSearch::Execute, Run, FLost, &FListener).detach();
  FRun = std::move(Run);
  return FRun->Ticket;
}

void TClearingSearch::Cancel() {
  if (FRun) {
    FRun->Cancelled.store(true);
    FRun->Answering = FRun->Claimed.exchange(true);
    FRetired.push_back(std::move(FRun));
  }
  std::erase_if(FRetired, [](const std::shared_ptr<TRun>& Run) { return Run->Done.load(); });
}

std::size_t TClearingSearch::Threads() const {
  return FRetired.size() + (FRun ? 1 : 0);
}

void TClearingSearch::Execute(std::shared_ptr<TRun> Run, std::shared_ptr<TLostBoards> Lost,
                              const TListener* Listener) {
#ifdef __linux__
  // Only this thread: nobody waits for it, so the desktop and the game's animation go first.
  if (Run->Idle) {
    const sched_param Param{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &Param);
  }
#endif
  // Cancelled runs may still be ending while the next one starts; the lost boards are shared
  // by racing threads anyway, and a cancelled search adds only what it proved.
  const TClearingAnswer Answer = FindClearing(Run->Board, Run->Budget, &Run->Cancelled, *Lost);
  if (!Run->Claimed.exchange(true))
    (*Listener)(Run->Ticket, Answer);
  Run->Done.store(true);
}

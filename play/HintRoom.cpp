// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/HintRoom.h"

#include "model/Game.h"
#include "solver/SearchLimits.h"

#include <chrono>
#include <limits>

namespace {

// Bounds what is remembered of one game: a few clearings, and boards of at most 258 bytes
// each (about 2 MiB in all).
constexpr std::size_t KeptClearings = 16;
constexpr std::size_t KeptBoards = 4096;

// The move that turns Board into Next, when one does.
std::optional<TRemoval> StepBetween(const TMap& Board, const TMap& Next) {
  TGame Scratch;
  Scratch.SetWidth(Board.Width());
  Scratch.SetHeight(Board.Height());
  Scratch.CurrentMap().Assign(Board);
  Scratch.Recount();
  const int Cells = Board.Width() * Board.Height();
  for (int X = 0; X < Board.Width(); ++X)
    for (int Y = 0; Y < Board.Height(); ++Y) {
      if (!Scratch.HasNeighbour(X, Y))
        continue;
      Scratch.RemoveGroup(X, Y);
      Scratch.Collapse();
      const TCell* A = Scratch.CurrentMap().Cells();
      const TCell* B = Next.Cells();
      bool Same = Next.Width() == Board.Width() && Next.Height() == Board.Height();
      for (int I = 0; Same && I < Cells; ++I)
        Same = A[I].Color == B[I].Color;
      Scratch.Undo();
      if (Same)
        return TRemoval{X, Y};
    }
  return std::nullopt;
}

} // namespace

THintRoom::TBudgets THintRoom::DefaultBudgets() {
  return {{SearchLimits::HintSearchTime, 0, 2},
          {SearchLimits::AheadSearchTime, 0, 1},
          {SearchLimits::WayBackSearchTime, 0, 2},
          std::chrono::seconds(10),
          6};
}

void THintRoom::TKeySet::Add(const TBoardKey& Key) {
  if (!FKeys.insert(Key).second)
    return;
  FOrder.push_back(Key);
  if (FOrder.size() > KeptBoards) {
    FKeys.erase(FOrder.front());
    FOrder.pop_front();
  }
}

void THintRoom::TKeySet::Clear() {
  FKeys.clear();
  FOrder.clear();
}

THintRoom::THintRoom(QObject* Parent) : QObject(Parent) {}

// The search threads end before the lock and the queue they hand over to go.
THintRoom::~THintRoom() {
  FSearch.reset();
}

void THintRoom::SetGame(const TGame* Game) {
  Stop(true);
  FGame = Game;
}

void THintRoom::Stop(bool NewGame) {
  if (FRunning)
    FSearch->Cancel();
  FRunning.reset();
  FWait = TWait::None;
  FWayBack.reset();
  FSettled = false;
  if (NewGame) {
    FKnown.clear();
    FClearable.Clear();
    FLost.Clear();
    FRanOut.clear();
    FWarnedFor.reset();
  }
}

void THintRoom::SetSuspended(bool Suspended) {
  FSuspended = Suspended;
  Pump();
}

void THintRoom::SetWarning(bool Warning) {
  FWarning = Warning;
  if (FWarning && FSettled)
    Warn();
}

THintRoom::TBoardKey THintRoom::KeyOf(const TMap& Board) {
  TBoardKey Key{static_cast<std::uint8_t>(Board.Width()),
                static_cast<std::uint8_t>(Board.Height())};
  const TCell* Cells = Board.Cells();
  for (int Index = 0; Index < Board.Width() * Board.Height(); ++Index)
    Key.push_back(Cells[Index].Color);
  return Key;
}

const TMap* THintRoom::BoardAt(int Index) const {
  if (!FGame || Index < 0 || Index >= static_cast<int>(FGame->Maps().size()))
    return nullptr;
  return FGame->Maps()[static_cast<std::size_t>(Index)].get();
}

std::optional<TRemoval> THintRoom::KnownMove(const TMap& Board) const {
  for (const TKnownClearing& Known : FKnown)
    if (const std::optional<TRemoval> Next = Known.NextFrom(Board))
      return Next;
  return std::nullopt;
}

// A later board of the history that can be cleared makes the move to it a good one.
std::optional<TRemoval> THintRoom::MoveNow() const {
  const int Now = FGame->Current();
  if (const std::optional<TRemoval> Known = KnownMove(*BoardAt(Now)))
    return Known;
  for (int Index = Now + 1; BoardAt(Index); ++Index)
    if (KnownVerdict(Index) == TVerdict::Clearable)
      return StepBetween(*BoardAt(Now), *BoardAt(Now + 1));
  return std::nullopt;
}

void THintRoom::Learn(const TMap& Board, std::vector<TRemoval> Moves) {
  FClearable.Add(KeyOf(Board));
  FKnown.emplace_front(Board, std::move(Moves));
  if (FKnown.size() > KeptClearings)
    FKnown.pop_back();
}

// A move off a known clearing mostly leaves the line's groups whole: carried over to the board
// the move led to, the line clears it too, with no search and nothing for the player to wait for.
void THintRoom::CarryOver() {
  const int Now = FGame->Current();
  if (Now == 0 || KnownMove(*BoardAt(Now)))
    return;
  const TMap& Before = *BoardAt(Now - 1);
  std::vector<TRemoval> Line;
  for (auto Known = FKnown.begin(); Known != FKnown.end() && Line.empty(); ++Known)
    Line = Known->LineFrom(Before);
  if (Line.empty())
    return;
  if (const std::optional<TRemoval> Played = StepBetween(Before, *BoardAt(Now)))
    if (std::vector<TRemoval> Moves = ClearingAfter(Before, Line, *Played); !Moves.empty())
      Learn(*BoardAt(Now), std::move(Moves));
}

TVerdict THintRoom::KnownVerdict(int Index) const {
  const TBoardKey Key = KeyOf(*BoardAt(Index));
  if (FClearable.Contains(Key))
    return TVerdict::Clearable;
  return FLost.Contains(Key) ? TVerdict::NotClearable : TVerdict::Unknown;
}

// Settled by the history, too: a later board that can be cleared, or an earlier lost one.
TVerdict THintRoom::CurrentVerdict() const {
  const int Now = FGame->Current();
  if (MoveNow())
    return TVerdict::Clearable;
  for (int Index = 0; Index <= Now; ++Index)
    if (KnownVerdict(Index) == TVerdict::NotClearable)
      return TVerdict::NotClearable;
  return TVerdict::Unknown;
}

// The way back from the current board, which is lost; boards whose searches ran out are left
// alone, unless the player waits for the answer.
TWayBackStep THintRoom::PlanBack() const {
  const int Now = FGame->Current();
  std::vector<TVerdict> Verdicts;
  std::vector<int> Searched;
  for (int Index = 0; Index <= Now; ++Index) {
    Verdicts.push_back(KnownVerdict(Index));
    const auto RanOut = FRanOut.find(KeyOf(*BoardAt(Index)));
    Searched.push_back(RanOut == FRanOut.end() ? 0 : RanOut->second);
  }
  return PlanWayBack(Verdicts, Searched,
                     FWait == TWait::None ? FBudgets.Rounds : std::numeric_limits<int>::max());
}

std::optional<THintRoom::TRunning> THintRoom::NextSearch() const {
  if (!FGame || !FSettled || FSuspended || FGame->CurrentMap().BoxCount == 0)
    return std::nullopt;
  const int Now = FGame->Current();
  const bool Full = FWait == TWait::Asked;
  switch (CurrentVerdict()) {
  case TVerdict::Clearable:
    return std::nullopt;
  case TVerdict::Unknown: {
    const auto RanOut = FRanOut.find(KeyOf(*BoardAt(Now)));
    if (FWait == TWait::None && (RanOut == FRanOut.end() ? 0 : RanOut->second) >= FBudgets.Rounds)
      return std::nullopt;
    return TRunning{0, {}, Now, Full};
  }
  case TVerdict::NotClearable:
    break;
  }
  const TWayBackStep Step = PlanBack();
  if (Step.Kind != TWayBackStep::TKind::Search)
    return std::nullopt;
  return TRunning{0, {}, Step.Index, Full};
}

// Starts what should run now, unless it runs already: a search for a player who waits is
// joined, never started again; one at the lowest priority is taken over by all cores.
void THintRoom::Pump() {
  const std::optional<TRunning> Next = NextSearch();
  if (FRunning && Next && FRunning->Index == Next->Index && (FRunning->Full || !Next->Full))
    return;
  if (FRunning)
    FSearch->Cancel();
  FRunning.reset();
  if (!Next)
    return;
  if (!FSearch)
    FSearch = std::make_unique<TClearingSearch>(
        [this](std::uint64_t Ticket, const TClearingAnswer& Answer) {
          std::optional<std::pair<std::uint64_t, TClearingAnswer>> Handed(std::in_place, Ticket,
                                                                          Answer);
          {
            const std::lock_guard<std::mutex> Lock(FArrivedLock);
            FArrived.swap(Handed);
          }
          QMetaObject::invokeMethod(this, "TakeAnswer", Qt::QueuedConnection);
        });
  const TMap& Board = *BoardAt(Next->Index);
  const bool Back = Next->Index != FGame->Current();
  const TSearchBudget& Budget =
      Back ? FBudgets.Back : (Next->Full ? FBudgets.Asked : FBudgets.Ahead);
  ++FStarted;
  FRunning =
      TRunning{FSearch->Start(Board, Budget, !Next->Full), KeyOf(Board), Next->Index, Next->Full};
}

void THintRoom::SetWayBack(int Moves) {
  FWayBack.emplace(KeyOf(FGame->CurrentMap()), Moves);
}

// What is proved of the current board, told; false when nothing is yet.
bool THintRoom::TellProved() {
  const int Now = FGame->Current();
  if (FGame->CurrentMap().BoxCount == 0) {
    emit HintGiven(THint::Empty, -1, -1);
    return true;
  }
  if (const std::optional<TRemoval> Next = MoveNow()) {
    FClearable.Add(KeyOf(FGame->CurrentMap()));
    emit HintGiven(THint::Move, Next->X, Next->Y);
    return true;
  }
  if (CurrentVerdict() != TVerdict::NotClearable)
    return false;
  const TWayBackStep Step = PlanBack();
  if (Step.Kind != TWayBackStep::TKind::Proved)
    return false;
  if (Step.Clearable < 0) {
    emit HintGiven(THint::Unwinnable, -1, -1);
    return true;
  }
  FWarnedFor = KeyOf(*BoardAt(Step.Clearable + 1));
  SetWayBack(Now - Step.Clearable);
  emit HintGiven(THint::GoBack, Now - Step.Clearable, -1);
  return true;
}

void THintRoom::Ask() {
  if (!FGame)
    return;
  FSettled = true;
  if (TellProved()) {
    FWait = TWait::None;
    return Pump();
  }
  if (FWait != TWait::Asked)
    FAskedAt = std::chrono::steady_clock::now();
  FWait = TWait::Asked;
  const bool Back = CurrentVerdict() == TVerdict::NotClearable;
  emit HintGiven(Back ? THint::SearchingBack : THint::Searching, -1, -1);
  Pump();
}

int THintRoom::WayBack() const {
  if (!FGame || !FWayBack || FGame->Current() < FWayBack->second ||
      KeyOf(FGame->CurrentMap()) != FWayBack->first)
    return 0;
  return FWayBack->second;
}

void THintRoom::Settled() {
  if (!FGame)
    return;
  FSettled = true;
  CarryOver();
  if (CurrentVerdict() == TVerdict::Clearable)
    FWarnedFor.reset(); // losing again from here is told again
  Warn();
  Pump();
}

// The early warning: the way back, once per loss, the moment it is proved.
void THintRoom::Warn() {
  if (!FWarning || FWait != TWait::None || CurrentVerdict() != TVerdict::NotClearable)
    return;
  const TWayBackStep Step = PlanBack();
  if (Step.Kind != TWayBackStep::TKind::Proved || Step.Clearable < 0)
    return;
  const TBoardKey Losing = KeyOf(*BoardAt(Step.Clearable + 1));
  if (FWarnedFor == Losing)
    return;
  FWarnedFor = Losing;
  SetWayBack(FGame->Current() - Step.Clearable);
  emit HintGiven(THint::GoBack, FGame->Current() - Step.Clearable, -1);
}

void THintRoom::TakeAnswer() {
  std::optional<std::pair<std::uint64_t, TClearingAnswer>> Arrived;
  {
    const std::lock_guard<std::mutex> Lock(FArrivedLock);
    Arrived.swap(FArrived);
  }
  // An answer counts only for the search running now, and for the board it was asked for.
  if (!Arrived || !FRunning || Arrived->first != FRunning->Ticket)
    return;
  const TMap* Board = BoardAt(FRunning->Index);
  if (!Board || KeyOf(*Board) != FRunning->Board)
    return;
  const TRunning Asked = *std::exchange(FRunning, std::nullopt);
  Answered(Asked, Arrived->second);
}

// Told while the answer is not proved yet: that the current board's search ran out, or, once
// the player has waited long enough for the way back, the most that is proved of it.
void THintRoom::TellWhileSearching(const TRunning& Asked, TVerdict Verdict) {
  const int Now = FGame->Current();
  if (Asked.Index == Now && Verdict == TVerdict::NotClearable) {
    emit HintGiven(THint::SearchingBack, -1, -1);
    return;
  }
  if (CurrentVerdict() == TVerdict::Unknown) {
    FWait = TWait::Owed;
    emit HintGiven(THint::NotFound, -1, -1);
    return;
  }
  if (std::chrono::steady_clock::now() - FAskedAt < FBudgets.AskBack)
    return;
  FWait = TWait::Owed;
  const TWayBackStep Step = PlanBack();
  if (Step.Clearable < 0) {
    emit HintGiven(THint::NoWayBack, -1, -1);
    return;
  }
  // The boards between may still be cleared: the sentence says "could", not "lost".
  SetWayBack(Now - Step.Clearable);
  emit HintGiven(THint::CouldGoBack, Now - Step.Clearable, -1);
}

void THintRoom::Answered(const TRunning& Asked, const TClearingAnswer& Answer) {
  if (Answer.Verdict == TVerdict::Clearable)
    Learn(*BoardAt(Asked.Index), Answer.Moves);
  else if (Answer.Verdict == TVerdict::NotClearable)
    FLost.Add(Asked.Board);
  else
    ++FRanOut[Asked.Board];
  if (FWait != TWait::None && TellProved())
    FWait = TWait::None;
  else if (FWait == TWait::Asked)
    TellWhileSearching(Asked, Answer.Verdict);
  Warn();
  Pump();
}

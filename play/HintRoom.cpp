// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/HintRoom.h"

#include "model/Game.h"
#include "solver/SearchLimits.h"

#include <chrono>

namespace {

// Bounds what is remembered of one game: a few clearings, and lost boards of at most 258
// bytes each (about 1 MiB in all).
constexpr std::size_t KeptClearings = 16;
constexpr std::size_t KeptLostBoards = 4096;
// A search that ran out goes on in the background this many times per board at most.
constexpr int MaxAheadRounds = 6;

} // namespace

THintRoom::THintRoom(QObject* Parent) : QObject(Parent) {}

// The search is joined before the lock and the queue it hands over to go.
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
  FWanted = false;
  FBackFrom = -1;
  FAheadRounds = 0;
  FWayBack.reset();
  FUnsettled.clear();
  if (NewGame) {
    FKnown.clear();
    FLost.clear();
    FLostOrder.clear();
    FHintsAsked = false;
  }
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

bool THintRoom::Lost(const TMap& Board) const {
  return FLost.count(KeyOf(Board)) != 0;
}

void THintRoom::Learn(const TMap& Board, std::vector<TRemoval> Moves) {
  FKnown.emplace_front(Board, std::move(Moves));
  if (FKnown.size() > KeptClearings)
    FKnown.pop_back();
}

void THintRoom::Ask() {
  if (!FGame)
    return;
  FHintsAsked = true;
  const TGameMap& Now = FGame->CurrentMap();
  if (Now.BoxCount == 0) {
    emit HintGiven(THint::Empty, -1, -1);
    return;
  }
  if (KnownMove(Now) || Lost(Now))
    return Tell();
  FWanted = true;
  // Started again on the same board, a search goes on from what it learnt before.
  if (!SearchingOn(FGame->Current()))
    Search(FGame->Current(), false, SearchLimits::HintSearchTime);
  emit HintGiven(THint::Searching, -1, -1);
}

int THintRoom::WayBack() const {
  if (!FGame || !FWayBack || FGame->Current() < FWayBack->second ||
      KeyOf(FGame->CurrentMap()) != FWayBack->first)
    return 0;
  return FWayBack->second;
}

void THintRoom::Settled() {
  if (!FGame || !FHintsAsked || SearchingOn(FGame->Current()))
    return;
  const TGameMap& Now = FGame->CurrentMap();
  if (Now.BoxCount == 0 || KnownMove(Now) || Lost(Now))
    return;
  Search(FGame->Current(), false, SearchLimits::AheadSearchTime);
}

// What is known of the current board, told to the player who asked.
void THintRoom::Tell() {
  const TGameMap& Now = FGame->CurrentMap();
  if (const std::optional<TRemoval> Next = KnownMove(Now))
    emit HintGiven(THint::Move, Next->X, Next->Y);
  else if (Lost(Now))
    LookBack(FGame->Current());
  else
    emit HintGiven(THint::NotFound, -1, -1);
}

// The earlier boards, the most recent first, until one can be cleared; each verdict is kept.
// A board whose search runs out is passed over: one still earlier is likelier to be cleared.
void THintRoom::LookBack(int From, bool Told) {
  FBackFrom = From;
  if (!Told)
    FUnsettled.clear();
  for (int Index = From - 1; Index >= 0; --Index) {
    const TMap& Board = *BoardAt(Index);
    if (KnownMove(Board)) {
      FWayBack.emplace(KeyOf(FGame->CurrentMap()), From - Index);
      emit HintGiven(THint::GoBack, From - Index, -1);
      return;
    }
    if (Lost(Board) || FUnsettled.count(KeyOf(Board)) != 0)
      continue;
    FWanted = true;
    if (!SearchingOn(Index))
      Search(Index, true, SearchLimits::WayBackSearchTime);
    if (!Told)
      emit HintGiven(THint::SearchingBack, -1, -1);
    return;
  }
  emit HintGiven(FUnsettled.empty() ? THint::Unwinnable : THint::NoWayBack, -1, -1);
}

bool THintRoom::SearchingOn(int Index) const {
  return FRunning && FRunning->Index == Index;
}

void THintRoom::Search(int Index, bool Back, std::chrono::milliseconds Budget) {
  if (!FSearch)
    FSearch = std::make_unique<TClearingSearch>(
        [this](std::uint64_t Ticket, const TClearingAnswer& Answer) {
          {
            const std::lock_guard<std::mutex> Lock(FArrivedLock);
            FArrived.emplace(Ticket, Answer);
          }
          QMetaObject::invokeMethod(this, "TakeAnswer", Qt::QueuedConnection);
        });
  const TMap& Board = *BoardAt(Index);
  const std::uint64_t Ticket = FSearch->Start(Board, Budget);
  FRunning = TRunning{Ticket, KeyOf(Board), Index, Back};
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

void THintRoom::Answered(const TRunning& Asked, const TClearingAnswer& Answer) {
  if (Answer.Verdict == TVerdict::Clearable)
    Learn(*BoardAt(Asked.Index), Answer.Moves);
  else if (Answer.Verdict == TVerdict::NotClearable && FLost.insert(Asked.Board).second) {
    FLostOrder.push_back(Asked.Board);
    if (FLostOrder.size() > KeptLostBoards) {
      FLost.erase(FLostOrder.front());
      FLostOrder.pop_front();
    }
  }
  const bool Wanted = std::exchange(FWanted, false);
  if (Asked.Back) {
    if (Answer.Verdict == TVerdict::Unknown)
      FUnsettled.insert(Asked.Board);
    LookBack(FBackFrom, true);
    return;
  }
  if (Wanted)
    Tell();
  // Goes on while the player thinks; asking again then waits for it.
  if (Answer.Verdict == TVerdict::Unknown && ++FAheadRounds < MaxAheadRounds)
    Search(Asked.Index, false, SearchLimits::AheadSearchTime);
}

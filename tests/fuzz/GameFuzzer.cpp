// SPDX-License-Identifier: GPL-3.0-or-later
// Reads its input as a sequence of operations on a game, on a second game it copies the
// settings of, and on solvers started from it, and checks the game after every operation:
// its invariants, what each operation must have done (worked out here on plain arrays, not
// with the model's code), and that no other map of the history changed. A broken rule
// aborts with a message, which the fuzzer reports with the input that led to it.

#include "model/Random.h"
#include "solver/ClearingSearch.h"
#include "solver/Solver.h"
#include "tests/GameInvariants.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

std::uint64_t OperationsRun = 0;

[[noreturn]] void Fail(const std::string& What) {
  std::fprintf(stderr, "\nbroken rule after operation %llu: %s\n",
               static_cast<unsigned long long>(OperationsRun), What.c_str());
  std::abort();
}

void Expect(bool Holds, const std::string& What) {
  if (!Holds)
    Fail(What);
}

// Runs Body, which must raise exactly an E with this text.
template <class E, class TBody> void ExpectRaise(const char* Text, TBody Body) {
  try {
    Body();
  } catch (const E& Error) {
    Expect(std::strcmp(Error.what(), Text) == 0,
           std::string("raised \"") + Error.what() + "\" instead of \"" + Text + "\"");
    return;
  }
  Fail(std::string("did not raise \"") + Text + "\"");
}

class TInput {
public:
  TInput(const std::uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}
  bool Empty() const { return FSize == 0; }
  std::uint8_t Byte() {
    if (FSize == 0)
      return 0;
    --FSize;
    return *FData++;
  }
  int Int32() {
    std::uint32_t Value = 0;
    for (int I = 0; I < 4; ++I)
      Value = Value << 8 | Byte();
    return static_cast<int>(Value);
  }
  // Mostly small values around the allowed range, sometimes any 32-bit value.
  int Setting() {
    const std::uint8_t B = Byte();
    return B < 240 ? B - 20 : Int32();
  }
  // Mostly on or just off the board, sometimes far outside it.
  int Coord() {
    static constexpr std::array<int, 6> Far{INT_MIN, INT_MAX, -1000, 1000, INT_MIN / 2, 65536};
    const std::uint8_t B = Byte();
    if (B < 220)
      return B % 20 - 2;
    return B < 250 ? Far[B % Far.size()] : Int32();
  }

private:
  const std::uint8_t* FData;
  std::size_t FSize;
};

// A board as plain colour bytes, cell (X, Y) at X + Y * W, settled by the rules themselves.
struct TBoard {
  int W = 0, H = 0;
  std::vector<std::uint8_t> Colors;

  static TBoard Of(const TMap& Map) {
    TBoard B{Map.Width(), Map.Height(), {}};
    for (int I = 0; I < Map.CellCount(); ++I)
      B.Colors.push_back(Map.Cells()[I].Color);
    return B;
  }
  std::uint8_t& At(int X, int Y) { return Colors[static_cast<std::size_t>(X + Y * W)]; }
  bool ColumnEmpty(int X) {
    for (int Y = 0; Y < H; ++Y)
      if (At(X, Y) != 0)
        return false;
    return true;
  }
  // One settling step: every unsupported box drops a row, or else the leftmost gap
  // left of the last occupied column closes. True when nothing moved.
  bool Step() {
    bool Moved = false;
    for (int Y = H - 2; Y >= 0; --Y)
      for (int X = W - 1; X >= 0; --X)
        if (At(X, Y) != 0 && At(X, Y + 1) == 0) {
          std::swap(At(X, Y), At(X, Y + 1));
          Moved = true;
        }
    if (Moved)
      return false;
    int Right = W - 1;
    while (Right > 0 && ColumnEmpty(Right))
      --Right;
    for (int Left = 0; Left < Right; ++Left) {
      if (!ColumnEmpty(Left))
        continue;
      for (int X = Left; X < W; ++X)
        for (int Y = 0; Y < H; ++Y)
          At(X, Y) = X + 1 < W ? At(X + 1, Y) : 0;
      return false;
    }
    return true;
  }
  void Settle() {
    for (int Steps = 0; !Step(); ++Steps)
      Expect(Steps <= W + H, "settling does not end");
  }
  std::vector<int> Group(int I) const {
    return Invariants::Flood(W, H, I % W, I / W, [&](int J) {
      return Colors[static_cast<std::size_t>(J)] == Colors[static_cast<std::size_t>(I)];
    });
  }
  // Every board one removal of a group of two or more, and settling, away.
  std::vector<TBoard> Successors() const {
    std::vector<TBoard> Next;
    std::vector<bool> Tried(Colors.size());
    for (int I = 0; I < W * H; ++I) {
      if (Colors[static_cast<std::size_t>(I)] == 0 || Tried[static_cast<std::size_t>(I)])
        continue;
      const std::vector<int> Cells = Group(I);
      TBoard After = *this;
      for (int Cell : Cells) {
        Tried[static_cast<std::size_t>(Cell)] = true;
        After.Colors[static_cast<std::size_t>(Cell)] = 0;
      }
      if (Cells.size() < 2)
        continue;
      After.Settle();
      Next.push_back(std::move(After));
    }
    return Next;
  }
  bool Cleared() const {
    for (std::uint8_t C : Colors)
      if (C != 0)
        return false;
    return true;
  }
  // Whether some sequence of removals, one at least, empties the board: an empty board
  // allows no removal, so the search is stumped on it too.
  bool Clearable(std::set<std::vector<std::uint8_t>>& DeadEnds) const {
    if (DeadEnds.count(Colors) != 0)
      return false;
    for (const TBoard& Next : Successors())
      if (Next.Cleared() || Next.Clearable(DeadEnds))
        return true;
    DeadEnds.insert(Colors);
    return false;
  }
};

bool SameColors(const TMap& Map, const TBoard& Board) {
  return TBoard::Of(Map).Colors == Board.Colors;
}

// A map as it was: both bytes of every cell and the counters.
struct TSnapshot {
  std::vector<std::uint8_t> Bytes;
  int BoxCount = 0, GroupCount = 0;

  static TSnapshot Of(const TGameMap& Map) {
    const auto* First = reinterpret_cast<const std::uint8_t*>(Map.Cells());
    return {{First, First + 2 * Map.CellCount()}, Map.BoxCount, Map.GroupCount};
  }
  bool operator==(const TSnapshot&) const = default;
};

// Boards up to this many boxes are searched to the end, and searched here too.
constexpr int SmallBoard = 16;

struct TSolverSlot {
  std::unique_ptr<TSolver> Solver;
  TBoard Start; // the player's board at creation, settled
  int Colors = 0;
};

class TFuzzRun {
public:
  explicit TFuzzRun(TInput Input) : In(Input) { ResetShadow(); }

  void Run() {
    for (int Count = 0; Count < 4096 && !In.Empty(); ++Count) {
      ++OperationsRun;
      Operation(In.Byte() % 25);
      CheckGame();
    }
    for (TSolverSlot& Slot : Slots)
      Finish(Slot, true);
  }

private:
  bool HasMaps() const { return !Game.Maps().empty(); }
  Invariants::TMapRule CountRule() const { return {false, Game.QuickCount()}; }

  void ResetShadow() {
    Shadow = {TSnapshot::Of(Game.CurrentMap())};
    Rules = {CountRule()};
    Current = 0;
    Expect(Game.BoxCount() == Game.Width() * Game.Height(), "a new board has an empty cell");
  }

  // What each operation must do to the history, worked out before it runs. Arguments are
  // read in a fixed order, so an input means the same under every compiler.
  void Operation(int Code) {
    const auto Point = [&] {
      const int X = In.Coord();
      return std::array<int, 2>{X, In.Coord()};
    };
    switch (Code) {
    case 0:
      return Setter(
          Game.Width(), In.Setting(), 3, 16, [&](int V) { Game.SetWidth(V); },
          [&] { return Game.Width(); });
    case 1:
      return Setter(
          Game.Height(), In.Setting(), 3, 16, [&](int V) { Game.SetHeight(V); },
          [&] { return Game.Height(); });
    case 2:
      return Setter(
          Game.Colors(), In.Byte(), 2, 7,
          [&](int V) { Game.SetColors(static_cast<std::uint8_t>(V)); },
          [&] { return int{Game.Colors()}; });
    case 3:
      Game.SetQuickCount(In.Byte() & 1);
      return;
    case 4:
      Game.NewGame();
      return ResetShadow();
    case 5:
      Game.ClearMaps();
      Shadow.clear();
      Rules.clear();
      return;
    case 6:
      Game.DiscardRedo();
      if (static_cast<int>(Shadow.size()) > Current + 1) {
        Shadow.resize(static_cast<std::size_t>(Current + 1));
        Rules.resize(Shadow.size());
      }
      return;
    case 7: {
      const auto [X, Y] = Point();
      return HasNeighbour(X, Y);
    }
    case 8: {
      const auto [X, Y] = Point();
      return RemoveGroup(X, Y);
    }
    case 9: {
      const std::uint8_t X = In.Byte();
      return Play(X, In.Byte());
    }
    case 10: {
      const auto [X, Y] = Point();
      return MarkGroup(X, Y, In.Byte() % 3);
    }
    case 11:
      return Recount();
    case 12:
      Game.Undo();
      Current -= Current > 0;
      return;
    case 13:
      Game.Redo();
      Current += Current < static_cast<int>(Shadow.size()) - 1;
      return;
    case 14:
      return Settle(true);
    case 15:
      return Settle(false);
    case 16:
      return AssignSettings();
    case 17:
      return SourceSetting(In.Byte());
    case 18:
      return Paint();
    case 19:
      return StartSolver(Slots[In.Byte() & 1]);
    case 20:
      return TerminateSolver(Slots[In.Byte() & 1]);
    case 21:
      return Finish(Slots[In.Byte() & 1], false);
    case 22: {
      TSolverSlot& Slot = Slots[In.Byte() & 1];
      Slot.Solver.reset(); // the destructor stops a running search
      return;
    }
    case 23:
      return SearchClearing(In.Byte());
    default:
      for (const TSolverSlot& Slot : Slots)
        Expect(!Slot.Solver || Slot.Solver->State() <= ssStumped, "solver state out of range");
    }
  }

  template <class TSet, class TGet>
  void Setter(int Old, int Value, int Min, int Max, TSet Set, TGet Get) {
    const int Clamped = Value > Max ? Max : Value < Min ? Min : Value;
    Set(Value);
    Expect(Get() == Clamped, "setting " + std::to_string(Value) + " gave " + std::to_string(Get()));
    if (Clamped != Old)
      ResetShadow();
  }

  void SourceSetting(std::uint8_t Which) {
    const int Value = In.Setting();
    switch (Which % 4) {
    case 0:
      return Source.SetWidth(Value);
    case 1:
      return Source.SetHeight(Value);
    case 2:
      return Source.SetColors(static_cast<std::uint8_t>(Value));
    default:
      return Source.SetQuickCount(Value & 1);
    }
  }

  void AssignSettings() {
    const bool Self = In.Byte() & 1;
    const TGame& From = Self ? Game : Source;
    const int W = From.Width(), H = From.Height(), C = From.Colors();
    const bool Quick = From.QuickCount();
    Game.AssignSettings(From);
    Expect(Game.Width() == W && Game.Height() == H && Game.Colors() == C &&
               Game.QuickCount() == Quick,
           "AssignSettings copied other settings");
    ResetShadow();
  }

  // Every rule that reads the current map raises when the history is empty.
  template <class TBody> bool NoMapsRaise(TBody Body) {
    if (HasMaps())
      return false;
    ExpectRaise<EGameException>("There are no maps yet in this game.", Body);
    return true;
  }

  void HasNeighbour(int X, int Y) {
    if (NoMapsRaise([&] { (void)Game.HasNeighbour(X, Y); }))
      return;
    const TGameMap& Map = Game.CurrentMap();
    bool Expected = false;
    if (Map.Contains(X, Y)) {
      const std::uint8_t C = Map.GetColor(X, Y);
      Expected = (Y > 0 && Map.GetColor(X, Y - 1) == C) || (X > 0 && Map.GetColor(X - 1, Y) == C) ||
                 (Y < Map.Height() - 1 && Map.GetColor(X, Y + 1) == C) ||
                 (X < Map.Width() - 1 && Map.GetColor(X + 1, Y) == C);
    }
    Expect(Game.HasNeighbour(X, Y) == Expected, "HasNeighbour answered wrongly");
  }

  // A move as the window makes it: only cells the neighbour test lets through.
  void Play(std::uint8_t X, std::uint8_t Y) {
    if (!HasMaps())
      return;
    X %= Game.Width();
    Y %= Game.Height();
    if (Game.HasNeighbour(X, Y))
      RemoveGroup(X, Y);
  }

  void RemoveGroup(int X, int Y) {
    if (NoMapsRaise([&] { Game.RemoveGroup(X, Y); }))
      return;
    const TGameMap& Old = Game.CurrentMap();
    if (!Old.Contains(X, Y) || Old.GetColor(X, Y) == 0) {
      const TBoard Before = TBoard::Of(Old);
      Game.RemoveGroup(X, Y);
      Expect(SameColors(Game.CurrentMap(), Before), "a removal of nothing changed the board");
      Rules[static_cast<std::size_t>(Current)] = CountRule();
      return;
    }
    TBoard After = TBoard::Of(Old);
    for (int Cell : Invariants::RegionCells(Old, X, Y))
      After.Colors[static_cast<std::size_t>(Cell)] = 0;
    Game.RemoveGroup(X, Y);
    Shadow.resize(static_cast<std::size_t>(Current + 1));
    Rules.resize(Shadow.size());
    ++Current;
    Shadow.push_back(TSnapshot::Of(Game.CurrentMap()));
    Rules.push_back(CountRule());
    Expect(SameColors(Game.CurrentMap(), After), "the removal emptied other cells");
  }

  void MarkGroup(int X, int Y, std::uint8_t Mark) {
    if (NoMapsRaise([&] { Game.MarkGroup(X, Y, Mark); }))
      return;
    TGameMap& Map = Game.CurrentMap();
    if (!Map.Contains(X, Y)) {
      ExpectRaise<EMapException>("Index out of bounds.", [&] { Game.MarkGroup(X, Y, Mark); });
      return;
    }
    // The flood neither enters nor passes cells that already hold the mark.
    const TCell* Cells = Map.Cells();
    const std::uint8_t Color = Map.GetColor(X, Y);
    std::vector<std::uint8_t> Expected(2 * static_cast<std::size_t>(Map.CellCount()));
    std::memcpy(Expected.data(), Cells, Expected.size());
    for (int Cell : Invariants::Flood(Map.Width(), Map.Height(), X, Y, [&](int I) {
           return Cells[I].Color == Color && Cells[I].Mark != Mark;
         }))
      Expected[2 * static_cast<std::size_t>(Cell) + 1] = Mark;
    Game.MarkGroup(X, Y, Mark);
    Expect(TSnapshot::Of(Map).Bytes == Expected, "MarkGroup marked other cells");
    Rules[static_cast<std::size_t>(Current)].MayHoldMarks = true;
  }

  void Recount() {
    if (NoMapsRaise([&] { Game.Recount(); }))
      return;
    Game.Recount();
    Rules[static_cast<std::size_t>(Current)] = CountRule();
  }

  void Settle(bool OneStep) {
    if (NoMapsRaise([&] { OneStep ? (void)Game.FallStep() : Game.Collapse(); }))
      return;
    TBoard Expected = TBoard::Of(Game.CurrentMap());
    const auto Census = Invariants::Census(Game.CurrentMap());
    if (OneStep) {
      const bool Rested = Expected.Step();
      Expect(Game.FallStep() == Rested, "FallStep misreported whether something moved");
    } else {
      Expected.Settle();
      Game.Collapse();
    }
    Expect(Invariants::Census(Game.CurrentMap()) == Census, "settling changed a colour's count");
    Expect(SameColors(Game.CurrentMap(), Expected),
           OneStep ? "FallStep moved other boxes" : "Collapse settled differently");
    Rules[static_cast<std::size_t>(Current)] = CountRule();
  }

  // Boxes painted straight into the current map, so boards that random games rarely deal
  // (empty columns, large regions, lone boxes) come up; the recount makes the map whole.
  void Paint() {
    if (!HasMaps())
      return;
    TGameMap& Map = Game.CurrentMap();
    const int Count = In.Byte() % 32;
    for (int I = 0; I < Count; ++I) {
      const std::uint8_t Place = In.Byte();
      Map.SetColor(Place % Map.Width(), (Place / 16) % Map.Height(),
                   static_cast<std::uint8_t>(In.Byte() % (Game.Colors() + 1)));
    }
    Game.Recount();
    Rules[static_cast<std::size_t>(Current)] = CountRule();
  }

  void StartSolver(TSolverSlot& Slot) {
    Slot.Solver.reset();
    if (NoMapsRaise([&] { TSolver Solver(Game); }))
      return;
    Slot.Start = TBoard::Of(Game.CurrentMap());
    Slot.Start.Settle();
    Slot.Colors = Game.Colors();
    Slot.Solver = std::make_unique<TSolver>(Game);
  }

  void TerminateSolver(TSolverSlot& Slot) {
    if (!Slot.Solver)
      return;
    Slot.Solver->Terminate();
    Expect(Slot.Solver->Terminated(), "the terminate request did not stay set");
  }

  // Waits for a search that was asked to stop, or that is small enough to end soon by itself,
  // and checks its answer and the copy it searched.
  void Finish(TSolverSlot& Slot, bool Stop) {
    if (!Slot.Solver)
      return;
    TSolver& Solver = *Slot.Solver;
    const bool Small = std::count_if(Slot.Start.Colors.begin(), Slot.Start.Colors.end(),
                                     [](std::uint8_t C) { return C != 0; }) <= SmallBoard;
    if (Stop || !Small)
      Solver.Terminate();
    Solver.WaitFor();
    const std::uint8_t State = Solver.State();
    Expect(State == ssSolved || State == ssStumped || (State == ssIdle && Solver.Terminated()),
           "a finished search left state " + std::to_string(State));
    const TGame& Copy = Solver.Game();
    Expect(Copy.QuickCount() && Copy.Colors() == Slot.Colors, "the copy has other settings");
    const std::string Fault = Invariants::GameFault(Copy, true, {true, true});
    Expect(Fault.empty(), "solver copy: " + Fault);
    Expect(SameColors(*Copy.Maps()[0], Slot.Start),
           "the search did not start from the settled board");
    if (State == ssSolved)
      CheckSolution(Copy, Small);
    if (State == ssStumped) {
      Expect(Copy.Current() == 0, "a stumped search did not step back to its start");
      std::set<std::vector<std::uint8_t>> DeadEnds;
      Expect(!Small || !Slot.Start.Clearable(DeadEnds), "stumped on a board that can be cleared");
    }
    Slot.Solver.reset();
  }

  // The clearing search on a small current board: a clearing must empty it by the rules
  // worked out here, and a proof of none must agree with the plain exhaustive search.
  void SearchClearing(std::uint8_t Threads) {
    if (!HasMaps() || Game.Width() > 5 || Game.Height() > 5)
      return;
    const TSnapshot Before = TSnapshot::Of(Game.CurrentMap());
    const TClearingAnswer Answer =
        FindClearing(Game.CurrentMap(), {std::chrono::hours(1), 2'000'000, 1 + (Threads & 1)});
    Expect(TSnapshot::Of(Game.CurrentMap()) == Before, "the clearing search changed the board");
    TBoard Board = TBoard::Of(Game.CurrentMap());
    Board.Settle();
    if (Answer.Verdict == TVerdict::NotClearable) {
      std::set<std::vector<std::uint8_t>> DeadEnds;
      Expect(!Board.Cleared() && !Board.Clearable(DeadEnds),
             "no clearing claimed for a clearable board");
      return;
    }
    Expect(Answer.Verdict == TVerdict::Clearable, "a small board was left undecided");
    for (const TRemoval& Move : Answer.Moves) {
      Expect(Move.X >= 0 && Move.X < Board.W && Move.Y >= 0 && Move.Y < Board.H,
             "a move of the clearing is off the board");
      const int Cell = Move.X + Move.Y * Board.W;
      const std::vector<int> Group = Board.Group(Cell);
      Expect(Board.Colors[static_cast<std::size_t>(Cell)] != 0 && Group.size() >= 2,
             "a move of the clearing removes no group");
      for (int Member : Group)
        Board.Colors[static_cast<std::size_t>(Member)] = 0;
      Board.Settle();
    }
    Expect(Board.Cleared(), "the clearing leaves boxes");
  }

  // The history of a solved search is the solution: each board follows from the one
  // before by one removal of two boxes or more and settling, and the last one is empty.
  static void CheckSolution(const TGame& Copy, bool Small) {
    const auto& Maps = Copy.Maps();
    Expect(Copy.Current() == static_cast<int>(Maps.size()) - 1, "boards left behind a solution");
    Expect(Copy.BoxCount() == 0, "solved, but boxes are left");
    for (std::size_t K = 1; K < Maps.size(); ++K) {
      Expect(Maps[K]->BoxCount <= Maps[K - 1]->BoxCount - 2, "a step removed fewer than two");
      if (!Small)
        continue;
      bool Follows = false;
      for (const TBoard& Next : TBoard::Of(*Maps[K - 1]).Successors())
        Follows = Follows || SameColors(*Maps[K], Next);
      Expect(Follows, "a step of the solution is no move");
    }
  }

  void CheckGame() {
    Expect(Game.Current() == Current, "Current is " + std::to_string(Game.Current()) +
                                          ", expected " + std::to_string(Current));
    Expect(Game.Maps().size() == Shadow.size(), "history of " + std::to_string(Game.Maps().size()) +
                                                    " maps, expected " +
                                                    std::to_string(Shadow.size()));
    if (!HasMaps())
      return;
    const std::string Fault =
        Invariants::GameFault(Game, false, Rules[static_cast<std::size_t>(Current)]);
    Expect(Fault.empty(), Fault);
    // Only the current map may change; every other one must be exactly as it was left.
    Shadow[static_cast<std::size_t>(Current)] = TSnapshot::Of(Game.CurrentMap());
    for (std::size_t I = 0; I < Shadow.size(); ++I)
      Expect(TSnapshot::Of(*Game.Maps()[I]) == Shadow[I],
             "map " + std::to_string(I) + " changed while it was not current");
  }

  TInput In;
  TGame Game;
  TGame Source;
  std::array<TSolverSlot, 2> Slots;
  std::vector<TSnapshot> Shadow;
  std::vector<Invariants::TMapRule> Rules;
  int Current = 0;
};

void ReportOperations() {
  std::fprintf(stderr, "operations run: %llu\n", static_cast<unsigned long long>(OperationsRun));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(ReportOperations);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  // The same input deals the same boards.
  SeedRandom(12345u);
  TFuzzRun(TInput(Data, Size)).Run();
  return 0;
}

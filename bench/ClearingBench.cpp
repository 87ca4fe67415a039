// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the clearing search answers, next to the solution checker stopped at the same
// limits: random boards per level, positions met in play, and winnable deals against plain
// random boards. Prints Markdown tables.
//
// Usage: clearing_bench [--boards N] [--hints N] [--deals N] [--long N] [--play N]
//                       [--way-back N] [--only-play] [--hard-only] [--verbose] [--quick]
//                       [--game-loop GAMES --think SECONDS] [--boundary GAMES --per-board SECONDS]
// The full run (200 boards, 100 hint positions, 50 deals, 20 long searches a level, 200
// positions of each kind of play a level, the way back from 20 lost boards) takes about an hour on
// two cores. --only-play prints only the table of positions met in play and the way back; --quick
// runs every table on a handful of boards, to see that the program works.

#include "bench/SeededGame.h"
#include "model/Game.h"
#include "model/Random.h"
#ifdef QUENLITH_GAME_LOOP
#include "play/GameController.h"
#include "play/HintRoom.h"
#endif
#include "solver/ClearingSearch.h"
#include "solver/SearchLimits.h"
#include "solver/Solver.h"
#include "solver/WayBack.h"
#include "solver/WinnableDeal.h"

#ifdef QUENLITH_GAME_LOOP
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#endif
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

struct TLevel {
  const char* Name;
  int Width;
  int Height;
  int Colors;
};

constexpr TLevel Levels[] = {{"start 8x8/3", 8, 8, 3},
                             {"easy 12x12/3", 12, 12, 3},
                             {"medium 16x16/3", 16, 16, 3},
                             {"hard 16x16/5", 16, 16, 5},
                             {"12x12/5", 12, 12, 5}};
constexpr int HardLevel = 3;
constexpr double Unanswered = 1e9;

struct TOptions {
  int Boards = 200;
  int Hints = 100;
  int Deals = 50;
  int Long = 20;
  int Play = 200;
  int WayBack = 20; // lost hard boards traced back
  bool OnlyPlay = false;
  bool HardOnly = false; // the play table on the hard level alone
  bool Verbose = false;  // a line for every position left unanswered
  int LoopGames = 0;     // hard games played through the game's own hint room
  double Think = 1;      // seconds before each move of those games
  int BoundaryGames = 0; // careless hard games whose loss is traced back with a long search
  double PerBoard = 40;  // seconds for each board of that way back
};

// One search's outcome: milliseconds to the answer (Unanswered when none) and the verdict.
struct TOutcome {
  double Ms;
  bool Clearable;
};

double MsSince(steady_clock::time_point Start) {
  return std::chrono::duration<double, std::milli>(steady_clock::now() - Start).count();
}

std::unique_ptr<TGame> NewGame(const TLevel& Level, std::uint32_t Seed) {
  return SeededGame(Level.Width, Level.Height, Level.Colors, Seed);
}

TOutcome RunSearch(const TMap& Board, milliseconds Limit) {
  const auto Start = steady_clock::now();
  const TClearingAnswer Answer = FindClearing(Board, {Limit, 0, 2});
  const double Ms = MsSince(Start);
  if (Answer.Verdict == TVerdict::Unknown)
    return {Unanswered, false};
  return {Ms, Answer.Verdict == TVerdict::Clearable};
}

// The checker runs on its own thread; this one looks at its state every millisecond.
TOutcome RunChecker(const TGame& Game, milliseconds Limit) {
  const auto Start = steady_clock::now();
  TSolver Solver(Game);
  while (Solver.State() < ssSolved && steady_clock::now() - Start < Limit)
    std::this_thread::sleep_for(milliseconds(1));
  const double Ms = MsSince(Start);
  Solver.Stop();
  if (Solver.State() < ssSolved)
    return {Unanswered, false};
  return {Ms, Solver.State() == ssSolved};
}

double Percentile(std::vector<double> Values, double Share) {
  if (Values.empty())
    return Unanswered;
  std::sort(Values.begin(), Values.end());
  const auto Index = static_cast<std::size_t>(Share * static_cast<double>(Values.size() - 1) + 0.5);
  return Values[Index];
}

std::string Ms(double Value) {
  if (Value >= Unanswered)
    return "> limit";
  char Text[32];
  std::snprintf(Text, sizeof Text, "%.1f", Value);
  return Text;
}

std::string Share(int Count, int Of) {
  char Text[32];
  std::snprintf(Text, sizeof Text, "%.1f%%", Of == 0 ? 0.0 : 100.0 * Count / Of);
  return Text;
}

// Answered within 100 ms, within the limit, proved clearable, median and 95th percentile.
std::string Figures(const std::vector<TOutcome>& Outcomes) {
  int Fast = 0, Answered = 0, Clearable = 0;
  std::vector<double> Times;
  for (const TOutcome& Outcome : Outcomes) {
    Fast += Outcome.Ms <= 100;
    Answered += Outcome.Ms < Unanswered;
    Clearable += Outcome.Clearable;
    Times.push_back(Outcome.Ms);
  }
  const int N = static_cast<int>(Outcomes.size());
  return Share(Fast, N) + " | " + Share(Answered, N) + " | " + Share(Clearable, N) + " | " +
         Ms(Percentile(Times, 0.5)) + " | " + Ms(Percentile(Times, 0.95));
}

long PeakMiB() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return Usage.ru_maxrss / 1024;
}

void RandomBoards(const TOptions& Options) {
  std::printf("\n## Random boards, %d per level, limit 1 s\n\n", Options.Boards);
  std::printf("| level | search | <=100 ms | <=1 s | clearable | median ms | p95 ms |\n");
  std::printf("|---|---|---|---|---|---|---|\n");
  for (const TLevel& Level : Levels) {
    std::vector<TOutcome> New, Old;
    for (int Seed = 1; Seed <= Options.Boards; ++Seed) {
      const auto Game = NewGame(Level, static_cast<std::uint32_t>(Seed));
      New.push_back(RunSearch(Game->CurrentMap(), milliseconds(1000)));
      Old.push_back(RunChecker(*Game, milliseconds(1000)));
    }
    std::printf("| %s | clearing search | %s |\n", Level.Name, Figures(New).c_str());
    std::printf("| %s | old checker | %s |\n", Level.Name, Figures(Old).c_str());
    std::fflush(stdout);
  }
  std::printf("\nPeak memory so far: %ld MiB\n", PeakMiB());
}

// Hard boards left unanswered at 1 s, searched again for 10 s.
void LongSearches(const TOptions& Options) {
  const TLevel& Level = Levels[HardLevel];
  int Tried = 0, Total = 0, Answered = 0;
  for (int Seed = 1; Seed <= Options.Boards && Tried < Options.Long; ++Seed) {
    const auto Game = NewGame(Level, static_cast<std::uint32_t>(Seed));
    ++Total;
    if (RunSearch(Game->CurrentMap(), milliseconds(1000)).Ms < Unanswered) {
      ++Answered;
      continue;
    }
    ++Tried;
    Answered += RunSearch(Game->CurrentMap(), milliseconds(10000)).Ms < Unanswered;
  }
  std::printf("\n## Hard boards within 10 s\n\n%d of the first %d boards answered within 10 s "
              "(%s); peak memory %ld MiB\n",
              Answered, Total, Share(Answered, Total).c_str(), PeakMiB());
}

// A position met in play: random legal moves from a fresh board, for a random share of the
// game such play would last.
std::unique_ptr<TGame> PlayedPosition(const TLevel& Level, std::uint32_t Seed) {
  std::mt19937 Random(Seed);
  auto Game = NewGame(Level, Seed);
  std::vector<std::pair<int, int>> Moves;
  std::vector<std::pair<int, int>> Played;
  for (;;) {
    Moves.clear();
    for (int X = 0; X < Game->Width(); ++X)
      for (int Y = 0; Y < Game->Height(); ++Y)
        if (Game->CurrentMap().GetColor(X, Y) != 0 && Game->HasNeighbour(X, Y))
          Moves.emplace_back(X, Y);
    if (Moves.empty())
      break;
    Played.push_back(Moves[Random() % Moves.size()]);
    Game->RemoveGroup(Played.back().first, Played.back().second);
    Game->Collapse();
  }
  const std::size_t Steps = Played.empty() ? 0 : Random() % Played.size();
  Game = NewGame(Level, Seed);
  for (std::size_t I = 0; I < Steps; ++I) {
    Game->RemoveGroup(Played[I].first, Played[I].second);
    Game->Collapse();
  }
  return Game;
}

void Hints(const TOptions& Options) {
  std::printf("\n## Hints: positions met in random play, %d per level, limit 1 s\n\n",
              Options.Hints);
  std::printf("| level | <=100 ms | <=1 s | clearable | median ms | p95 ms |\n");
  std::printf("|---|---|---|---|---|---|\n");
  for (int L = 0; L <= HardLevel; ++L) {
    std::vector<TOutcome> Outcomes;
    for (int Seed = 1; Seed <= Options.Hints; ++Seed) {
      const auto Game = PlayedPosition(Levels[L], static_cast<std::uint32_t>(1000 + Seed));
      Outcomes.push_back(RunSearch(Game->CurrentMap(), milliseconds(1000)));
    }
    std::printf("| %s | %s |\n", Levels[L].Name, Figures(Outcomes).c_str());
    std::fflush(stdout);
  }
}

// A game played out to its end by one kind of play, every board of it kept.
enum class TPlay { Random, SmallestFirst };

std::unique_ptr<TGame> PlayedOut(const TLevel& Level, std::uint32_t Seed, TPlay Kind) {
  std::mt19937 Random(Seed);
  auto Game = NewGame(Level, Seed);
  std::vector<std::pair<int, int>> Moves;
  for (;;) {
    Moves.clear();
    int Smallest = Game->Width() * Game->Height() + 1;
    for (int X = 0; X < Game->Width(); ++X)
      for (int Y = 0; Y < Game->Height(); ++Y) {
        if (Game->CurrentMap().GetColor(X, Y) == 0 || !Game->HasNeighbour(X, Y))
          continue;
        const int Size = Kind == TPlay::Random ? 0 : Game->CurrentMap().GroupSize(X, Y);
        if (Size < Smallest)
          Moves.clear();
        Smallest = std::min(Smallest, Size);
        if (Size == Smallest)
          Moves.emplace_back(X, Y);
      }
    if (Moves.empty())
      return Game;
    const auto [X, Y] = Moves[Random() % Moves.size()];
    Game->RemoveGroup(X, Y);
    Game->Collapse();
  }
}

struct TPlayOutcome {
  double Ms;
  TVerdict Verdict;
};

std::string PlayFigures(const std::vector<TPlayOutcome>& Outcomes) {
  int Fast = 0, Second = 0, Answered = 0, Clearable = 0, Lost = 0;
  std::vector<double> Times;
  for (const TPlayOutcome& Outcome : Outcomes) {
    const bool Known = Outcome.Verdict != TVerdict::Unknown;
    Fast += Known && Outcome.Ms <= 100;
    Second += Known && Outcome.Ms <= 1000;
    Answered += Known;
    Clearable += Outcome.Verdict == TVerdict::Clearable;
    Lost += Outcome.Verdict == TVerdict::NotClearable;
    Times.push_back(Known ? Outcome.Ms : Unanswered);
  }
  const int N = static_cast<int>(Outcomes.size());
  return Share(Fast, N) + " | " + Share(Second, N) + " | " + Share(Answered, N) + " | " +
         Share(Clearable, N) + " | " + Share(Lost, N) + " | " + Ms(Percentile(Times, 0.5)) + " | " +
         Ms(Percentile(Times, 0.95));
}

// The way back from one lost board, as the game looks for it, timed.
struct TWayBackTimes {
  std::vector<double> Ms;
  std::vector<int> Moves; // 0 when none was found
};

void TimeWayBack(const TGame& Game, int Index, TWayBackTimes& Times) {
  std::vector<const TMap*> History;
  for (int I = 0; I <= Index; ++I)
    History.push_back(Game.Maps()[static_cast<std::size_t>(I)].get());
  const auto Start = steady_clock::now();
  const TWayBack Back = FindWayBack(History, {SearchLimits::WayBackSearchTime, 0, 2});
  Times.Ms.push_back(MsSince(Start));
  Times.Moves.push_back(Back.MovesBack);
}

// Positions met in play: a board at a random point of a game played out at random, or by
// always taking the smallest group, as a careless player does. Each is searched once with the
// time of a search ahead; the time to its answer says whether a shorter limit would have had
// it. On the hard level every board proved lost is also traced back to a clearable one.
void Play(const TOptions& Options) {
  std::printf("\n## Positions met in play, %d per level and kind of play, limit %lld ms\n\n",
              Options.Play, static_cast<long long>(SearchLimits::AheadSearchTime.count()));
  std::printf("| level | play | <=100 ms | <=1 s | <=10 s | clearable | lost | median ms | "
              "p95 ms |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|\n");
  TWayBackTimes WayBack;
  for (int L = Options.HardOnly ? HardLevel : 1; L <= HardLevel; ++L)
    for (const TPlay Kind : {TPlay::Random, TPlay::SmallestFirst}) {
      std::vector<TPlayOutcome> Outcomes;
      for (int Seed = 1; Seed <= Options.Play; ++Seed) {
        const auto Game = PlayedOut(Levels[L], static_cast<std::uint32_t>(7000 + Seed), Kind);
        std::mt19937 Random(static_cast<std::uint32_t>(Seed));
        // Any board on which a move was left, the first one included.
        const auto Boards = static_cast<std::uint32_t>(Game->Maps().size());
        const int Index = Boards > 1 ? static_cast<int>(Random() % (Boards - 1)) : 0;
        const TMap& Board = *Game->Maps()[static_cast<std::size_t>(Index)];
        const auto Start = steady_clock::now();
        const TClearingAnswer Answer = FindClearing(Board, {SearchLimits::AheadSearchTime, 0, 2});
        Outcomes.push_back({MsSince(Start), Answer.Verdict});
        if (Options.Verbose && (Answer.Verdict == TVerdict::Unknown || Outcomes.back().Ms > 1000))
          std::printf("seed %d board %d: %d boxes, %.0f ms, verdict %d\n", Seed, Index,
                      Game->Maps()[static_cast<std::size_t>(Index)]->BoxCount, Outcomes.back().Ms,
                      static_cast<int>(Answer.Verdict));
        if (L == HardLevel && Answer.Verdict == TVerdict::NotClearable &&
            static_cast<int>(WayBack.Ms.size()) < Options.WayBack)
          TimeWayBack(*Game, Index, WayBack);
      }
      std::printf("| %s | %s | %s |\n", Levels[L].Name,
                  Kind == TPlay::Random ? "random" : "smallest first",
                  PlayFigures(Outcomes).c_str());
      std::fflush(stdout);
    }
  const int Found = static_cast<int>(
      std::count_if(WayBack.Moves.begin(), WayBack.Moves.end(), [](int M) { return M > 0; }));
  std::vector<double> Moves(WayBack.Moves.begin(), WayBack.Moves.end());
  std::printf("\n## The way back on hard: %zu lost boards, a clearable one found for %d\n\n",
              WayBack.Ms.size(), Found);
  std::printf("| median ms | p95 ms | max ms | median moves back | most moves back |\n");
  std::printf("|---|---|---|---|---|\n");
  std::printf("| %s | %s | %s | %.0f | %.0f |\n", Ms(Percentile(WayBack.Ms, 0.5)).c_str(),
              Ms(Percentile(WayBack.Ms, 0.95)).c_str(), Ms(Percentile(WayBack.Ms, 1)).c_str(),
              Moves.empty() ? 0.0 : Percentile(Moves, 0.5),
              Moves.empty() ? 0.0 : Percentile(Moves, 1));
  std::fflush(stdout);
}

// Where careless hard games were lost: each played out with the smallest group first, then its
// way back from the last board found by the game's own halving, each board searched PerBoard
// seconds on both cores. The first lost board is what a hint must prove lost before it may
// name the way back, so its size and whether it was settled say what a faster answer needs.
void Boundaries(const TOptions& Options) {
  std::printf("\n## Where careless hard games were lost: %d games, %.0f s per board\n\n",
              Options.BoundaryGames, Options.PerBoard);
  std::printf("| game | boards | proved | moves back | boxes of the first lost board | searches | "
              "seconds |\n");
  std::printf("|---|---|---|---|---|---|---|\n");
  int Proved = 0;
  for (int Seed = 1; Seed <= Options.BoundaryGames; ++Seed) {
    const auto Game =
        PlayedOut(Levels[HardLevel], static_cast<std::uint32_t>(9000 + Seed), TPlay::SmallestFirst);
    std::vector<const TMap*> History;
    for (const auto& Map : Game->Maps())
      History.push_back(Map.get());
    const auto Start = steady_clock::now();
    const TWayBack Back =
        FindWayBack(History, {milliseconds(static_cast<long long>(Options.PerBoard * 1000)), 0, 2});
    const double Seconds = MsSince(Start) / 1000;
    const int Last = static_cast<int>(History.size()) - 1;
    const int Moves = Back.MovesBack > 0 ? Back.MovesBack : Back.CouldClearBack;
    Proved += Back.MovesBack > 0 || Back.Unwinnable;
    std::printf("| %d | %zu | %s | %d | %d | %d | %.0f |\n", Seed, History.size(),
                Back.Unwinnable      ? "unwinnable"
                : Back.MovesBack > 0 ? "yes"
                                     : "no",
                Moves,
                Back.MovesBack > 0
                    ? Game->Maps()[static_cast<std::size_t>(Last - Moves + 1)]->BoxCount
                    : -1,
                Back.Searches, Seconds);
    std::fflush(stdout);
  }
  std::printf("\nProved: %s\n", Share(Proved, Options.BoundaryGames).c_str());
}

struct TBoardLook {
  double Groups = 0;
  double LargestShare = 0;  // of the most frequent colour
  double SmallestShare = 0; // of the least frequent colour
};

TBoardLook Look(const TMap& Board, int Colors) {
  TGame Game;
  Game.SetWidth(Board.Width());
  Game.SetHeight(Board.Height());
  Game.CurrentMap().Assign(Board);
  Game.Recount();
  std::vector<int> Counts(static_cast<std::size_t>(Colors) + 1);
  for (int I = 0; I < Board.CellCount(); ++I)
    ++Counts[Board.Cells()[I].Color];
  const auto [Least, Most] = std::minmax_element(Counts.begin() + 1, Counts.end());
  const double Cells = Board.CellCount();
  return {static_cast<double>(Game.GroupCount()), *Most / Cells, *Least / Cells};
}

void Deals(const TOptions& Options) {
  std::printf("\n## Winnable deals, %d per level, against as many plain random boards\n\n",
              Options.Deals);
  std::printf("| level | median ms | p95 ms | groups dealt | groups random | colour shares "
              "dealt (min-max) | random (min-max) |\n");
  std::printf("|---|---|---|---|---|---|---|\n");
  for (const TLevel& Level : Levels) {
    std::vector<double> Times;
    TBoardLook Dealt, Random;
    for (int Seed = 1; Seed <= Options.Deals; ++Seed) {
      const auto Start = steady_clock::now();
      const auto Deal =
          DealWinnable(Level.Width, Level.Height, static_cast<std::uint8_t>(Level.Colors), Seed);
      Times.push_back(MsSince(Start));
      TMap Board;
      Board.SetWidth(Level.Width);
      Board.SetHeight(Level.Height);
      for (int I = 0; I < Board.CellCount(); ++I)
        Board.Cells()[I] = {Deal->Colors[static_cast<std::size_t>(I)], 0};
      const TBoardLook One = Look(Board, Level.Colors);
      const auto Game = NewGame(Level, static_cast<std::uint32_t>(5000 + Seed));
      const TBoardLook Other = Look(Game->CurrentMap(), Level.Colors);
      for (auto [Sum, Add] : {std::pair{&Dealt, One}, std::pair{&Random, Other}}) {
        Sum->Groups += Add.Groups / Options.Deals;
        Sum->LargestShare += Add.LargestShare / Options.Deals;
        Sum->SmallestShare += Add.SmallestShare / Options.Deals;
      }
    }
    std::printf("| %s | %s | %s | %.1f | %.1f | %.1f-%.1f%% | %.1f-%.1f%% |\n", Level.Name,
                Ms(Percentile(Times, 0.5)).c_str(), Ms(Percentile(Times, 0.95)).c_str(),
                Dealt.Groups, Random.Groups, 100 * Dealt.SmallestShare, 100 * Dealt.LargestShare,
                100 * Random.SmallestShare, 100 * Random.LargestShare);
    std::fflush(stdout);
  }
}

#ifdef QUENLITH_GAME_LOOP
// The game's loop: hard games played carelessly (the smallest group first) through the
// controller and its hint room, the player thinking Think seconds before each move while the
// search goes ahead as in the game. H is pressed every 15 moves and at the end; each answer is
// timed from the press. Real time throughout: the search ahead gets exactly the thinking time.
struct TLoopFigures {
  std::vector<double> Asks;    // ms to an answer that is not "searching"
  std::vector<double> WayBack; // the same, for asks answered with a way back (or none)
  std::vector<double> Stops;   // ms a move took while a search was running
  std::vector<double> CpuPerGame;
};

double CpuSeconds() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return static_cast<double>(Usage.ru_utime.tv_sec + Usage.ru_stime.tv_sec) +
         static_cast<double>(Usage.ru_utime.tv_usec + Usage.ru_stime.tv_usec) / 1e6;
}

void RunEvents(double Seconds) {
  QEventLoop Loop;
  QTimer::singleShot(static_cast<int>(Seconds * 1000), &Loop, &QEventLoop::quit);
  Loop.exec();
}

// The smallest group's box, the first found; none when no move is left.
std::optional<std::pair<int, int>> SmallestGroup(const TGame& Game) {
  std::optional<std::pair<int, int>> Best;
  int Smallest = Game.Width() * Game.Height() + 1;
  for (int X = 0; X < Game.Width(); ++X)
    for (int Y = 0; Y < Game.Height(); ++Y) {
      if (Game.CurrentMap().GetColor(X, Y) == 0 || !Game.HasNeighbour(X, Y))
        continue;
      const int Size = Game.CurrentMap().GroupSize(X, Y);
      if (Size < Smallest) {
        Smallest = Size;
        Best.emplace(X, Y);
      }
    }
  return Best;
}

void AskAndTime(TGameController& Controller, TLoopFigures& Figures, bool Verbose) {
  std::optional<THint> Seen;
  const QMetaObject::Connection Listen =
      QObject::connect(&Controller, &TGameController::HintGiven, [&](THint Hint, int, int) {
        if (Hint != THint::Searching && Hint != THint::SearchingBack && !Seen)
          Seen = Hint;
      });
  const auto Start = steady_clock::now();
  Controller.AskHint();
  QEventLoop Loop;
  QTimer Poll;
  QObject::connect(&Poll, &QTimer::timeout, &Loop, [&] {
    if (Seen || MsSince(Start) > 60000)
      Loop.quit();
  });
  Poll.start(1);
  if (!Seen)
    Loop.exec();
  QObject::disconnect(Listen);
  const double Ms = Seen ? MsSince(Start) : Unanswered;
  Figures.Asks.push_back(Ms);
  if (Verbose && Ms > 100)
    std::fprintf(stderr, "  slow ask: move %d, %d boxes, hint %d after %.0f ms\n",
                 Controller.Game().Current(), Controller.Game().CurrentMap().BoxCount,
                 Seen ? static_cast<int>(*Seen) : -1, Ms);
  if (!Seen || *Seen == THint::GoBack || *Seen == THint::CouldGoBack || *Seen == THint::NoWayBack ||
      *Seen == THint::Unwinnable)
    Figures.WayBack.push_back(Ms);
}

void GameLoop(const TOptions& Options) {
  TLoopFigures Figures;
  for (int Seed = 1; Seed <= Options.LoopGames; ++Seed) {
    TGameController Controller(static_cast<std::uint32_t>(9000 + Seed));
    Controller.CreateGame();
    Controller.ApplyLevel(2);
    const double CpuBefore = CpuSeconds();
    for (int Move = 1;; ++Move) {
      RunEvents(Options.Think);
      const auto Box = SmallestGroup(Controller.Game());
      if (!Box)
        break;
      const bool Searching = Controller.Hints().Busy();
      const auto Start = steady_clock::now();
      Controller.MakeMove(Box->first, Box->second);
      if (Searching)
        Figures.Stops.push_back(MsSince(Start));
      if (Move % 15 == 0) {
        RunEvents(Options.Think);
        AskAndTime(Controller, Figures, Options.Verbose);
      }
    }
    AskAndTime(Controller, Figures, Options.Verbose);
    Figures.CpuPerGame.push_back(CpuSeconds() - CpuBefore);
    std::fprintf(stderr, "game %d: %zu asks so far, %.1f CPU s\n", Seed, Figures.Asks.size(),
                 Figures.CpuPerGame.back());
  }
  const auto Within = [&](double Ms) {
    return static_cast<int>(std::count_if(Figures.Asks.begin(), Figures.Asks.end(),
                                          [Ms](double A) { return A <= Ms; }));
  };
  const int Asks = static_cast<int>(Figures.Asks.size());
  std::printf("\n## The game's loop on hard: %d games, %.1f s before each move\n\n",
              Options.LoopGames, Options.Think);
  std::printf("| asks | <=100 ms | <=1 s | <=10 s | way backs | way back median ms | p95 ms | "
              "CPU s per game (median) | moves stopping a search | stop wait p99 ms | max ms |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
  std::printf("| %d | %s | %s | %s | %zu | %s | %s | %.1f | %zu | %s | %s |\n", Asks,
              Share(Within(100), Asks).c_str(), Share(Within(1000), Asks).c_str(),
              Share(Within(10000), Asks).c_str(), Figures.WayBack.size(),
              Ms(Percentile(Figures.WayBack, 0.5)).c_str(),
              Ms(Percentile(Figures.WayBack, 0.95)).c_str(), Percentile(Figures.CpuPerGame, 0.5),
              Figures.Stops.size(), Ms(Percentile(Figures.Stops, 0.99)).c_str(),
              Ms(Percentile(Figures.Stops, 1)).c_str());
  std::fflush(stdout);
}
#endif

TOptions ParseOptions(int Argc, char** Argv) {
  TOptions Options;
  for (int I = 1; I < Argc; ++I)
    if (std::strcmp(Argv[I], "--quick") == 0)
      Options = {5, 5, 2, 1, 10, 3, false, false, false, 0, 1};
  for (int I = 1; I < Argc; ++I)
    if (std::strcmp(Argv[I], "--only-play") == 0)
      Options.OnlyPlay = true;
    else if (std::strcmp(Argv[I], "--hard-only") == 0)
      Options.HardOnly = true;
    else if (std::strcmp(Argv[I], "--verbose") == 0)
      Options.Verbose = true;
  for (int I = 1; I + 1 < Argc; ++I) {
    const int Value = std::atoi(Argv[I + 1]);
    if (std::strcmp(Argv[I], "--boards") == 0)
      Options.Boards = Value;
    else if (std::strcmp(Argv[I], "--hints") == 0)
      Options.Hints = Value;
    else if (std::strcmp(Argv[I], "--deals") == 0)
      Options.Deals = Value;
    else if (std::strcmp(Argv[I], "--long") == 0)
      Options.Long = Value;
    else if (std::strcmp(Argv[I], "--play") == 0)
      Options.Play = Value;
    else if (std::strcmp(Argv[I], "--way-back") == 0)
      Options.WayBack = Value;
    else if (std::strcmp(Argv[I], "--game-loop") == 0)
      Options.LoopGames = Value;
    else if (std::strcmp(Argv[I], "--think") == 0)
      Options.Think = std::atof(Argv[I + 1]);
    else if (std::strcmp(Argv[I], "--boundary") == 0)
      Options.BoundaryGames = Value;
    else if (std::strcmp(Argv[I], "--per-board") == 0)
      Options.PerBoard = std::atof(Argv[I + 1]);
  }
  return Options;
}

} // namespace

int main(int Argc, char** Argv) {
  const TOptions Options = ParseOptions(Argc, Argv);
#ifdef QUENLITH_GAME_LOOP
  if (Options.LoopGames > 0) {
    QCoreApplication App(Argc, Argv);
    GameLoop(Options);
    std::printf("\nPeak memory of the whole run: %ld MiB\n", PeakMiB());
    return 0;
  }
#endif
  if (Options.BoundaryGames > 0) {
    Boundaries(Options);
    return 0;
  }
  Play(Options);
  if (Options.OnlyPlay) {
    std::printf("\nPeak memory of the whole run: %ld MiB\n", PeakMiB());
    return 0;
  }
  RandomBoards(Options);
  LongSearches(Options);
  Hints(Options);
  Deals(Options);
  std::printf("\nPeak memory of the whole run: %ld MiB\n", PeakMiB());
  return 0;
}

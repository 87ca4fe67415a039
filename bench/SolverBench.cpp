// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the solution checker: nanoseconds per tried removal, against the plain version
// of the same search; time to finish small boards; and how long a stop blocks its caller.

#include "bench/PlainSolver.h"
#include "bench/SeededGame.h"
#include "model/Random.h"
#include "solver/Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
#include <memory>
#include <thread>
#include <tuple>

namespace {

using std::chrono::steady_clock;

constexpr std::uint64_t Budget = 2'000'000;
constexpr std::uint64_t Unlimited = ~std::uint64_t{0};

struct TBoard {
  int Width;
  int Height;
  int Colors;
  std::uint32_t Seed;
};

// These seeds were picked so that the 16x16 and 8x8 searches run well past the budget
// at depths of 40 and more, and the small boards take from thousands to millions of tries.
constexpr TBoard Deep16a{16, 16, 3, 79};
constexpr TBoard Deep16b{16, 16, 3, 162};
constexpr TBoard Deep8{8, 8, 3, 108};

std::unique_ptr<TGame> MakeGame(const TBoard& Board) {
  return SeededGame(Board.Width, Board.Height, Board.Colors, Board.Seed);
}

double ProcessCpuNs() {
  timespec Now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Now);
  return static_cast<double>(Now.tv_sec) * 1e9 + static_cast<double>(Now.tv_nsec);
}

struct TRun {
  std::uint64_t Nodes;
  std::uint8_t Result;
};

// The solver runs on its own thread; this one watches the count and stops it at the limit.
TRun RunThreaded(const TGame& Game, std::uint64_t Limit) {
  TSolver Solver(Game);
  if (Limit == Unlimited) {
    Solver.WaitFor();
  } else {
    while (Solver.Nodes() < Limit && Solver.State() < ssSolved)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Solver.Stop();
  }
  return {Solver.Nodes(), Solver.State()};
}

TRun RunPlain(const TGame& Game, std::uint64_t Limit) {
  TPlainSolver Solver(Game.CurrentMap(), Limit);
  const std::uint8_t Result = Solver.Run();
  return {Solver.Nodes(), Result};
}

// Both versions must try the same removals; whichever runs second on a board checks it.
bool SameAsOtherVersion(const TBoard& Board, const TRun& Run) {
  static std::map<std::tuple<int, int, int, std::uint32_t>, TRun> Seen;
  const auto Key = std::make_tuple(Board.Width, Board.Height, Board.Colors, Board.Seed);
  const auto [Entry, Inserted] = Seen.emplace(Key, Run);
  return Inserted || (Entry->second.Nodes == Run.Nodes && Entry->second.Result == Run.Result);
}

void Removals(benchmark::State& State, TBoard Board, bool Plain) {
  const auto Game = MakeGame(Board);
  std::uint64_t Nodes = 0;
  double WallNs = 0;
  double CpuNs = 0;
  for (auto _ : State) {
    const double Cpu0 = ProcessCpuNs();
    const auto Wall0 = steady_clock::now();
    Nodes += (Plain ? RunPlain(*Game, Budget) : RunThreaded(*Game, Budget)).Nodes;
    WallNs += std::chrono::duration<double, std::nano>(steady_clock::now() - Wall0).count();
    CpuNs += ProcessCpuNs() - Cpu0;
  }
  const auto Runs = static_cast<double>(State.iterations());
  State.counters["removals"] = static_cast<double>(Nodes) / Runs;
  State.counters["ns/removal"] = WallNs / static_cast<double>(Nodes);
  State.counters["cpu_ns/removal"] = CpuNs / static_cast<double>(Nodes);
}

void Finish(benchmark::State& State, TBoard Board, bool Plain) {
  const auto Game = MakeGame(Board);
  TRun Run{};
  for (auto _ : State)
    Run = Plain ? RunPlain(*Game, Unlimited) : RunThreaded(*Game, Unlimited);
  if (!SameAsOtherVersion(Board, Run))
    State.SkipWithError("the plain and the threaded search tried different removals");
  State.counters["removals"] = static_cast<double>(Run.Nodes);
  State.counters["solved"] = Run.Result == ssSolved ? 1 : 0;
}

// How long Stop blocks the caller when the search is deep in a 16x16 board.
void StopLatency(benchmark::State& State) {
  const auto Game = MakeGame(Deep16a);
  double Worst = 0;
  double Total = 0;
  int Step = 0;
  for (auto _ : State) {
    TSolver Solver(*Game);
    std::this_thread::sleep_for(std::chrono::microseconds(500 + 731 * (Step++ % 13)));
    const auto Start = steady_clock::now();
    Solver.Stop();
    const double Us =
        std::chrono::duration<double, std::micro>(steady_clock::now() - Start).count();
    Worst = std::max(Worst, Us);
    Total += Us;
    if (Solver.State() != ssIdle)
      State.SkipWithError("the search ended before it was stopped");
  }
  State.counters["worst_stop_us"] = Worst;
  State.counters["mean_stop_us"] = Total / static_cast<double>(State.iterations());
}

void RegisterRemovals(const char* Name, TBoard Board) {
  for (const bool Plain : {false, true})
    benchmark::RegisterBenchmark(
        (std::string(Plain ? "Plain" : "Solver") + "Removals/" + Name).c_str(), Removals, Board,
        Plain)
        ->Iterations(Plain ? 1 : 3)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

void RegisterFinish(const char* Name, TBoard Board) {
  for (const bool Plain : {false, true})
    benchmark::RegisterBenchmark(
        (std::string(Plain ? "Plain" : "Solver") + "Finish/" + Name).c_str(), Finish, Board, Plain)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

const bool Registered = [] {
  RegisterRemovals("16x16c3/seed79", Deep16a);
  RegisterRemovals("16x16c3/seed162", Deep16b);
  RegisterRemovals("8x8c3/seed108", Deep8);
  RegisterFinish("6x6c4/seed1", {6, 6, 4, 1});
  RegisterFinish("6x6c4/seed5", {6, 6, 4, 5});
  RegisterFinish("6x6c4/seed6", {6, 6, 4, 6});
  RegisterFinish("7x7c3/seed3", {7, 7, 3, 3});
  RegisterFinish("7x7c4/seed7", {7, 7, 4, 7});
  RegisterFinish("7x7c4/seed8", {7, 7, 4, 8});
  benchmark::RegisterBenchmark("SolverStopLatency/16x16c3", StopLatency)
      ->Iterations(200)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  return true;
}();

} // namespace

BENCHMARK_MAIN();

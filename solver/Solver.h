// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solution checker: a depth-first search, on a thread of its own, for a sequence of
// removals that empties a private copy of the player's board.

#include "model/Game.h"

#include <atomic>
#include <cstdint>
#include <thread>

enum : std::uint8_t { ssIdle = 0, ssSolving = 1, ssSolved = 2, ssStumped = 3 };

class TSolver {
public:
  // Copies the player's settings and current board, settles the copy, clears its marks,
  // then starts the search. The player's game is not referenced afterwards.
  explicit TSolver(const TGame& Player);
  // Stops a running search, then frees the copy.
  ~TSolver();
  TSolver(const TSolver&) = delete;
  TSolver& operator=(const TSolver&) = delete;

  // Any thread, any time; keeps its final value once the search has ended.
  std::uint8_t State() const { return FState.load(std::memory_order_acquire); }
  // Asks the search to end at its next visited cell; stays set.
  void Terminate() { FTerminated.store(true, std::memory_order_relaxed); }
  bool Terminated() const { return FTerminated.load(std::memory_order_relaxed); }
  // Blocks until the search thread has ended; returns at once when it already has.
  // Called by the owner's thread only.
  void WaitFor();
  void Stop();

  // The searched copy; on ssSolved its history is the solution. Read it after WaitFor().
  const TGame& Game() const { return FGame; }
  // Removals tried so far; exact after WaitFor().
  std::uint64_t Nodes() const { return FNodes.load(std::memory_order_relaxed); }

private:
  void Execute();
  std::uint8_t Solve();
  void CountNode();

  TGame FGame;
  std::atomic<std::uint8_t> FState{ssIdle};
  std::atomic<bool> FTerminated{false};
  std::atomic<std::uint64_t> FNodes{0};
  std::thread FThread; // started last, once the copy is complete
};

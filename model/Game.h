// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game of the puzzle: its settings, the history of whole boards with the index of
// the current one, and the rules that work on the current board.

#include "model/Map.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

class EGameException : public std::runtime_error {
public:
  using runtime_error::runtime_error;
};

class TGame {
public:
  static constexpr std::uint8_t MinColors = 2;
  static constexpr std::uint8_t MaxColors = 7;

  TGame(); // 8 by 8, 3 colours, one random board
  virtual ~TGame();
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

  // The setters clamp and start a new game only when the clamped value differs.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  std::uint8_t Colors() const { return FColors; }
  void SetColors(std::uint8_t Value);
  // Counts boxes only (GroupCount stays 0): the solver's recounts need no flood fills.
  bool QuickCount() const { return FQuickCount; }
  void SetQuickCount(bool Value) { FQuickCount = Value; }

  int Current() const { return FCurrent; }
  const std::vector<std::unique_ptr<TGameMap>>& Maps() const { return FMaps; }

  void NewGame();
  void Restart() { NewGame(); }
  void ClearMaps();
  void DiscardRedo();

  // Raises EGameException when the history is empty; so does every rule below.
  TGameMap& CurrentMap();
  const TGameMap& CurrentMap() const;

  // False outside the board; empty cells count as a colour like any other.
  bool HasNeighbour(int X, int Y) const;
  // Appends a copy of the current board with the group at (X, Y) emptied; recounts always.
  void RemoveGroup(int X, int Y);
  // Writes Mark into the same-coloured region at (X, Y); raises outside the board.
  void MarkGroup(int X, int Y, std::uint8_t Mark);
  void Recount();
  int BoxCount() const { return CurrentMap().BoxCount; }
  int GroupCount() const { return CurrentMap().GroupCount; }

  bool CanUndo() const { return FCurrent > 0; }
  bool CanRedo() const { return FCurrent < static_cast<int>(FMaps.size()) - 1; }
  void Undo();
  void Redo();

  // Copies the settings unclamped and starts a new game even when nothing changed.
  void AssignSettings(const TGame& Source);

  // One settling step; true when nothing moved.
  bool FallStep();
  // Settles the current board completely.
  void Collapse();

private:
  std::unique_ptr<TGameMap> NewMap();
  void DropFromPool();
  bool FallOneRow(TGameMap& Map);
  bool CloseOneColumn(TGameMap& Map);

  int FWidth = 8;
  int FHeight = 8;
  std::uint8_t FColors = 3;
  int FCurrent = 0;
  std::vector<std::unique_ptr<TGameMap>> FMaps;
  bool FQuickCount = false;
  // Maps dropped by DiscardRedo, reused by the next removal: the solver removes and
  // steps back millions of times and must not allocate for each removal.
  std::vector<std::unique_ptr<TGameMap>> FPool;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules a game must obey between any two operations, checked from the outside with
// counts of our own. Shared by the fuzz target and the monkey player; without GoogleTest,
// so each answers with the first broken rule as text, or an empty string.

#include "model/Game.h"

#include <array>
#include <string>
#include <vector>

namespace Invariants {

// The cells reachable from (X, Y) through orthogonal steps onto cells for which Match
// holds, the start included, as indexes X + Y * W; empty when the start does not match.
template <class TMatch> std::vector<int> Flood(int W, int H, int X, int Y, TMatch Match) {
  std::vector<int> Region;
  std::vector<bool> Seen(static_cast<std::size_t>(W * H));
  const auto Visit = [&](int CX, int CY) {
    const int I = CX + CY * W;
    if (CX < 0 || CX >= W || CY < 0 || CY >= H || Seen[static_cast<std::size_t>(I)] || !Match(I))
      return;
    Seen[static_cast<std::size_t>(I)] = true;
    Region.push_back(I);
  };
  Visit(X, Y);
  for (std::size_t K = 0; K < Region.size(); ++K) {
    const int CX = Region[K] % W, CY = Region[K] / W;
    Visit(CX - 1, CY);
    Visit(CX + 1, CY);
    Visit(CX, CY - 1);
    Visit(CX, CY + 1);
  }
  return Region;
}

// The group, or the region of empty cells, that (X, Y) belongs to.
inline std::vector<int> RegionCells(const TMap& Map, int X, int Y) {
  const TCell* Cells = Map.Cells();
  const std::uint8_t Color = Cells[X + Y * Map.Width()].Color;
  return Flood(Map.Width(), Map.Height(), X, Y, [&](int I) { return Cells[I].Color == Color; });
}

inline int BoxesOf(const TMap& Map) {
  int Boxes = 0;
  for (int I = 0; I < Map.CellCount(); ++I)
    Boxes += Map.Cells()[I].Color != 0;
  return Boxes;
}

inline int GroupsOf(const TMap& Map) {
  std::vector<bool> Counted(static_cast<std::size_t>(Map.CellCount()));
  int Groups = 0;
  for (int I = 0; I < Map.CellCount(); ++I) {
    if (Map.Cells()[I].Color == 0 || Counted[static_cast<std::size_t>(I)])
      continue;
    ++Groups;
    for (int Cell : RegionCells(Map, I % Map.Width(), I / Map.Width()))
      Counted[static_cast<std::size_t>(Cell)] = true;
  }
  return Groups;
}

// How many boxes of each colour byte the map holds.
inline std::array<int, 256> Census(const TMap& Map) {
  std::array<int, 256> Count{};
  for (int I = 0; I < Map.CellCount(); ++I)
    ++Count[Map.Cells()[I].Color];
  return Count;
}

// What one map may look like between operations.
struct TMapRule {
  bool MayHoldMarks = false;   // the solver's maps keep the marks of the groups it tried
  bool CountedQuickly = false; // last recounted with QuickCount: GroupCount stays 0
};

inline std::string MapFault(const TGame& Game, const TGameMap& Map, TMapRule Rule) {
  const auto Text = [](auto... Parts) { return (std::string() + ... + Parts); };
  if (Map.Width() != Game.Width() || Map.Height() != Game.Height())
    return Text("a map is ", std::to_string(Map.Width()), "x", std::to_string(Map.Height()),
                " in a ", std::to_string(Game.Width()), "x", std::to_string(Game.Height()),
                " game");
  for (int I = 0; I < Map.CellCount(); ++I) {
    if (Map.Cells()[I].Color > Game.Colors())
      return Text("colour ", std::to_string(Map.Cells()[I].Color), " in a game of ",
                  std::to_string(Game.Colors()), " colours");
    if (!Rule.MayHoldMarks && Map.Cells()[I].Mark != 0)
      return Text("mark left at cell ", std::to_string(I));
  }
  if (Map.BoxCount != BoxesOf(Map))
    return Text("BoxCount ", std::to_string(Map.BoxCount), ", counted ",
                std::to_string(BoxesOf(Map)));
  const int Groups = Rule.CountedQuickly ? 0 : GroupsOf(Map);
  if (Map.GroupCount != Groups)
    return Text("GroupCount ", std::to_string(Map.GroupCount), ", expected ",
                std::to_string(Groups));
  return {};
}

// The history rules, and the map rules on the current map or on every map.
inline std::string GameFault(const TGame& Game, bool WholeHistory, TMapRule Rule = {}) {
  const auto& Maps = Game.Maps();
  if (Maps.empty())
    return "the history is empty";
  if (Game.Current() < 0 || Game.Current() >= static_cast<int>(Maps.size()))
    return "Current " + std::to_string(Game.Current()) + " outside a history of " +
           std::to_string(Maps.size());
  for (std::size_t I = 0; I < Maps.size(); ++I) {
    const bool Full = WholeHistory || static_cast<int>(I) == Game.Current();
    if (Maps[I]->Width() != Game.Width() || Maps[I]->Height() != Game.Height() || Full) {
      if (std::string Fault = MapFault(Game, *Maps[I], Rule); !Fault.empty())
        return "map " + std::to_string(I) + ": " + Fault;
    }
  }
  return {};
}

// Where boxes would still fall or a column would still close, or an empty string.
inline std::string SettleFault(const TMap& Map) {
  const auto Empty = [&](int X, int Y) { return Map.Cells()[X + Y * Map.Width()].Color == 0; };
  bool EmptyColumnBefore = false;
  for (int X = 0; X < Map.Width(); ++X) {
    for (int Y = 0; Y + 1 < Map.Height(); ++Y)
      if (!Empty(X, Y) && Empty(X, Y + 1))
        return "a box in the air at " + std::to_string(X) + "," + std::to_string(Y);
    const bool EmptyColumn = Empty(X, Map.Height() - 1);
    if (EmptyColumnBefore && !EmptyColumn)
      return "column " + std::to_string(X) + " has an empty column on its left";
    EmptyColumnBefore = EmptyColumnBefore || EmptyColumn;
  }
  return {};
}

// Every board of the history is settled, except the current one while it may still be
// falling.
inline std::string HistorySettleFault(const TGame& Game, bool CurrentMayFall) {
  for (std::size_t I = 0; I < Game.Maps().size(); ++I) {
    if (CurrentMayFall && static_cast<int>(I) == Game.Current())
      continue;
    if (std::string Fault = SettleFault(*Game.Maps()[I]); !Fault.empty())
      return "map " + std::to_string(I) + " of " + std::to_string(Game.Maps().size()) +
             (static_cast<int>(I) == Game.Current() ? " (current)" : "") + ": " + Fault;
  }
  return {};
}

} // namespace Invariants

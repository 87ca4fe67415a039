// SPDX-License-Identifier: GPL-3.0-or-later
#include "Boards.h"

namespace {
bool ReplayStep(TGame& Replay, const TMap& Next) {
  for (int Y = 0; Y < Replay.Height(); ++Y)
    for (int X = 0; X < Replay.Width(); ++X) {
      if (Replay.CurrentMap().GetColor(X, Y) == 0 || !Replay.HasNeighbour(X, Y))
        continue;
      Replay.RemoveGroup(X, Y);
      Replay.Collapse();
      if (BoardRows(Replay.CurrentMap()) == BoardRows(Next))
        return true;
      Replay.Undo();
    }
  return false;
}
} // namespace

int ReplayPath(const TGame& Searched, TGame& Replay) {
  SetBoard(Replay, BoardRows(*Searched.Maps().front()));
  int Steps = 0;
  while (Steps < Searched.Current() &&
         ReplayStep(Replay, *Searched.Maps()[static_cast<std::size_t>(Steps) + 1]))
    ++Steps;
  return Steps;
}

#include "Boards.h"

void SetBoard(TGame& Game, const std::vector<std::string>& Rows) {
  Game.SetHeight(static_cast<int>(Rows.size()));
  Game.SetWidth(static_cast<int>(Rows.front().size()));
  TGameMap& Map = Game.CurrentMap();
  for (int Y = 0; Y < Map.Height(); ++Y)
    for (int X = 0; X < Map.Width(); ++X) {
      const char C = Rows[static_cast<std::size_t>(Y)][static_cast<std::size_t>(X)];
      Map.SetColor(X, Y, static_cast<std::uint8_t>(C == '.' ? 0 : C - '0'));
    }
  Game.Recount();
}

std::vector<std::string> BoardRows(const TMap& Map) {
  std::vector<std::string> Rows;
  for (int Y = 0; Y < Map.Height(); ++Y) {
    std::string Row;
    for (int X = 0; X < Map.Width(); ++X) {
      const int C = Map.GetColor(X, Y);
      Row += C == 0 ? '.' : static_cast<char>('0' + C);
    }
    Rows.push_back(Row);
  }
  return Rows;
}

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

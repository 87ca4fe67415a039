// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a hint told, alone, so that whoever shows hints needs none of the search behind them.

// What a hint found: the box to play (Move); that the board was lost some moves ago (GoBack);
// that the board that many moves ago could still be cleared, the boards since not all proved
// lost yet (CouldGoBack); that the game could never be won (Unwinnable); that no earlier board
// was found clearable in time (NoWayBack); that no answer came in time, the search going on
// (NotFound); that the board is empty already. Searching and SearchingBack while the current
// or the earlier boards are searched.
enum class THint {
  Searching,
  SearchingBack,
  Move,
  GoBack,
  Unwinnable,
  NoWayBack,
  NotFound,
  Empty,
  CouldGoBack
};

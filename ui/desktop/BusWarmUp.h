// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's accessibility bridge connects to the session bus when the first widget
// gets a name, and the program waits for that connection. Connecting from a thread of
// its own while the windows are built takes most of the wait off the way to the first
// frame.

#include <thread>

class TBusWarmUp {
public:
  TBusWarmUp();  // starts connecting
  ~TBusWarmUp(); // waits until the attempt has ended, connected or not

  TBusWarmUp(const TBusWarmUp&) = delete;
  TBusWarmUp& operator=(const TBusWarmUp&) = delete;

private:
  std::thread FThread;
};

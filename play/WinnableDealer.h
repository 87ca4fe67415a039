// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deals boards that can be cleared, on a thread of its own so that the window keeps
// answering while it looks; the result comes back on the thread that asked.

#include "solver/WinnableDeal.h"

#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class TWinnableDealer : public QObject {
  Q_OBJECT

public:
  using QObject::QObject;
  // Cancels and joins: nothing is delivered after it.
  ~TWinnableDealer() override;

  // Starts a deal; one in progress is cancelled and never delivered.
  void Deal(int Width, int Height, std::uint8_t Colors, std::uint64_t Seed);
  void Cancel();
  bool Busy() const { return FBusy; }

signals:
  void Dealt(const TWinnableDeal& Deal);

private:
  // Takes the deal the dealing thread left, on this object's thread.
  Q_INVOKABLE void TakeDeal();

  struct TArrived {
    unsigned Ticket;
    TWinnableDeal Deal;
  };

  std::thread FThread;
  std::shared_ptr<std::atomic<bool>> FCancel;
  unsigned FTicket = 0; // the deal whose result is wanted
  bool FBusy = false;
  // Handed over under a lock of our own, which a thread checker can see, unlike the event
  // queue's.
  std::mutex FArrivedLock;
  std::optional<TArrived> FArrived;
};

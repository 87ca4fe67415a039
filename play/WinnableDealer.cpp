// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/WinnableDealer.h"

TWinnableDealer::~TWinnableDealer() {
  Cancel();
}

void TWinnableDealer::Cancel() {
  ++FTicket;
  FBusy = false;
  if (FCancel)
    FCancel->store(true);
  if (FThread.joinable())
    FThread.join();
  FCancel.reset();
}

void TWinnableDealer::Deal(int Width, int Height, std::uint8_t Colors, std::uint64_t Seed) {
  Cancel();
  FBusy = true;
  FCancel = std::make_shared<std::atomic<bool>>(false);
  const unsigned Ticket = FTicket;
  FThread = std::thread([this, Ticket, Width, Height, Colors, Seed, Cancel = FCancel] {
    std::optional<TWinnableDeal> Deal = DealWinnable(Width, Height, Colors, Seed, Cancel.get());
    if (!Deal)
      return;
    {
      const std::lock_guard<std::mutex> Lock(FArrivedLock);
      FArrived = TArrived{Ticket, std::move(*Deal)};
    }
    // The join in Cancel keeps this object alive until the call is posted.
    QMetaObject::invokeMethod(this, "TakeDeal", Qt::QueuedConnection);
  });
}

void TWinnableDealer::TakeDeal() {
  std::optional<TArrived> Arrived;
  {
    const std::lock_guard<std::mutex> Lock(FArrivedLock);
    Arrived.swap(FArrived);
  }
  if (!Arrived || Arrived->Ticket != FTicket)
    return;
  FBusy = false;
  if (FThread.joinable())
    FThread.join();
  emit Dealt(Arrived->Deal);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WinnableDealer.h"

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
    // Queued to this object's thread; the join in Cancel keeps this object alive until then.
    QMetaObject::invokeMethod(
        this, [this, Ticket, Width, Height, Deal = std::move(*Deal)] {
          Deliver(Ticket, Width, Height, Deal);
        },
        Qt::QueuedConnection);
  });
}

void TWinnableDealer::Deliver(unsigned Ticket, int Width, int Height, const TWinnableDeal& Deal) {
  if (Ticket != FTicket)
    return;
  FBusy = false;
  if (FThread.joinable())
    FThread.join();
  emit Dealt(Width, Height, Deal);
}
